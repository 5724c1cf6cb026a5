#pragma once
// Frames written out byte by byte, independent of the model's frame assembly,
// and the sender's write sequence as plain data.

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace velmar::radio::test {

// Start byte, 64 channel codes (ff ff: none), 8 spacing bytes, the 13 option
// bytes, option end, 106 bytes of zero fill, checksum.
inline std::vector<std::uint8_t> Frame(std::initializer_list<std::uint8_t> options, std::uint8_t checksum,
                                       std::uint8_t spacing = 0x00) {
    std::vector<std::uint8_t> f{0xF3};
    f.insert(f.end(), 128, 0xFF);
    f.insert(f.end(), 8, spacing);
    f.insert(f.end(), options);
    f.insert(f.end(), 1 + 106, 0x00);
    f.push_back(checksum);
    return f;
}

// Send right after start: no channels, every option at its first item.
inline std::vector<std::uint8_t> DefaultsFrame() {
    return Frame({0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, 0x88);
}

// Mode "GRUOP" and Group A CH1 = 446.00625 MHz (code 1cc1).
inline std::vector<std::uint8_t> GruopFrame() {
    auto f = Frame({0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00}, 0x69);
    f[1] = 0x1C;
    f[2] = 0xC1;
    return f;
}

// "Scan Delay Time" "60 Sec": the byte 0x10 at offset 145, counted as 10 in the checksum.
inline std::vector<std::uint8_t> ScanDelay60Frame() {
    return Frame({0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00}, 0x92);
}

// Every option at its last item, every group at 25Khz, Group B CH3 = 400.00000
// and Group H CH8 = 500.00000 MHz. Checksum: indices 4+3+2+2+7+8+10+3+1+3+8 = 51,
// BCLO 3, Button long 31, channels 62*510 + 0 + 0x3e + 0x80 = 31810, spacing 8:
// 31903 = 0x7c9f.
inline std::vector<std::uint8_t> LastItemsFrame() {
    auto f = Frame({0x03, 0x04, 0x02, 0x02, 0x03, 0x1F, 0x07, 0x08, 0x10, 0x03, 0x01, 0x03, 0x08}, 0x9F, 0x01);
    f[21] = f[22] = 0x00;
    f[127] = 0x3E;
    f[128] = 0x80;
    return f;
}

// Arrival time of every byte when the sender's 141 writes each take
// `writeTime` and are followed by their pause; the second byte of a write
// comes one byte time (2.3 ms at 4800 baud 8N2) after the first.
inline std::vector<std::chrono::microseconds> PacedArrivals(std::chrono::microseconds start,
                                                            std::chrono::microseconds writeTime) {
    std::vector<std::pair<int, int>> writes{{1, 50}}; // size, pause after it in ms
    for (int c = 0; c < 64; ++c) {
        writes.push_back({2, c % 8 == 7 ? 100 : 20});
    }
    for (int g = 0; g < 8; ++g) {
        writes.push_back({1, g == 7 ? 50 : 20});
    }
    writes.insert(writes.end(), 13, {1, 20});
    writes.push_back({1, 20 + 100});
    for (int z = 0; z < 53; ++z) {
        writes.push_back({2, z == 52 ? 20 + 100 : 20});
    }
    writes.push_back({1, 2000});
    std::vector<std::chrono::microseconds> at;
    std::chrono::microseconds t = start;
    for (const auto& [size, pauseMs] : writes) {
        at.push_back(t);
        if (size == 2) {
            at.push_back(t + std::chrono::microseconds(2300));
        }
        t += writeTime + std::chrono::milliseconds(pauseMs);
    }
    return at;
}

} // namespace velmar::radio::test
