#pragma once
// Frames written out byte by byte, independent of the model's frame assembly,
// and the sender's write sequence as plain data.

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace velmar::radio::test {

class ByteList {
public:
    ByteList& Add(std::uint8_t byte, int times = 1) {
        m_bytes.insert(m_bytes.end(), static_cast<std::size_t>(times), byte);
        return *this;
    }
    ByteList& Add(std::initializer_list<std::uint8_t> bytes) {
        m_bytes.insert(m_bytes.end(), bytes);
        return *this;
    }
    [[nodiscard]] const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

// Send right after start: no channels, every option at its first item.
inline std::vector<std::uint8_t> DefaultsFrame() {
    return ByteList()
        .Add(0xF3)
        .Add(0xFF, 128)
        .Add(0x00, 8)
        .Add({0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00})
        .Add(0x00)
        .Add(0x00, 106)
        .Add(0x88)
        .Bytes();
}

// Mode "GRUOP" and Group A CH1 = 446.00625 MHz (code 1cc1).
inline std::vector<std::uint8_t> GruopFrame() {
    return ByteList()
        .Add(0xF3)
        .Add({0x1C, 0xC1})
        .Add(0xFF, 126)
        .Add(0x00, 8)
        .Add({0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00})
        .Add(0x00)
        .Add(0x00, 106)
        .Add(0x69)
        .Bytes();
}

// "Scan Delay Time" "60 Sec": the byte 0x10 at offset 145, counted as 10 in the checksum.
inline std::vector<std::uint8_t> ScanDelay60Frame() {
    return ByteList()
        .Add(0xF3)
        .Add(0xFF, 128)
        .Add(0x00, 8)
        .Add({0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00})
        .Add(0x00)
        .Add(0x00, 106)
        .Add(0x92)
        .Bytes();
}

// Every option at its last item, every group at 25Khz, Group B CH3 = 400.00000
// and Group H CH8 = 500.00000 MHz. Checksum: indices 4+3+2+2+7+8+10+3+1+3+8 = 51,
// BCLO 3, Button long 31, channels 62*510 + 0 + 0x3e + 0x80 = 31810, spacing 8:
// 31903 = 0x7c9f.
inline std::vector<std::uint8_t> LastItemsFrame() {
    return ByteList()
        .Add(0xF3)
        .Add(0xFF, 16)
        .Add(0xFF, 4)
        .Add({0x00, 0x00})
        .Add(0xFF, 10)
        .Add(0xFF, 16 * 5)
        .Add(0xFF, 14)
        .Add({0x3E, 0x80})
        .Add(0x01, 8)
        .Add({0x03, 0x04, 0x02, 0x02, 0x03, 0x1F, 0x07, 0x08, 0x10, 0x03, 0x01, 0x03, 0x08})
        .Add(0x00)
        .Add(0x00, 106)
        .Add(0x9F)
        .Bytes();
}

struct SentWrite {
    int size;
    int pauseMs;
};

// The sender's 141 writes and its pause after each.
inline std::vector<SentWrite> SentWrites() {
    std::vector<SentWrite> w{{1, 50}};
    for (int g = 0; g < 8; ++g) {
        for (int c = 0; c < 7; ++c) {
            w.push_back({2, 20});
        }
        w.push_back({2, 100});
    }
    for (int g = 0; g < 7; ++g) {
        w.push_back({1, 20});
    }
    w.push_back({1, 50});
    for (int o = 0; o < 13; ++o) {
        w.push_back({1, 20});
    }
    w.push_back({1, 20 + 100});
    for (int z = 0; z < 52; ++z) {
        w.push_back({2, 20});
    }
    w.push_back({2, 20 + 100});
    w.push_back({1, 2000});
    return w;
}

// Arrival time of every byte when each write takes `writeTime` and is followed
// by its pause plus `late`; the second byte of a write comes one byte time
// (2.3 ms at 4800 baud 8N2) after the first.
inline std::vector<std::chrono::microseconds> PacedArrivals(std::chrono::microseconds start,
                                                            std::chrono::microseconds writeTime,
                                                            std::chrono::microseconds late = {}) {
    using std::chrono::microseconds;
    std::vector<microseconds> at;
    microseconds t = start;
    for (const SentWrite& w : SentWrites()) {
        at.push_back(t);
        if (w.size == 2) {
            at.push_back(t + microseconds(2300));
        }
        t += writeTime + std::chrono::milliseconds(w.pauseMs) + late;
    }
    return at;
}

} // namespace velmar::radio::test
