#pragma once
// The frames Send writes for a few settings and the arrival of their bytes
// when the writes keep their pauses. Both come from the model, whose own
// tests pin the frame's bytes and its writes.

#include "ProgrammingFrame.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace velmar::radio::test {

inline std::vector<std::uint8_t> FrameFor(const std::function<void(RadioSettings&)>& set) {
    RadioSettings s;
    set(s);
    const auto bytes = BuildProgrammingFrame(s).bytes;
    return {bytes.begin(), bytes.end()};
}

// Send right after start: no channels, every option at its first item; checksum 0x88.
inline std::vector<std::uint8_t> DefaultsFrame() {
    return FrameFor([](RadioSettings&) {});
}

// Mode "GRUOP" and Group A CH1 = 446.00625 MHz (code 1cc1); checksum 0x69.
inline std::vector<std::uint8_t> GruopFrame() {
    return FrameFor([](RadioSettings& s) { s.m_nMode = 2, s.m_strGroupCode[0][0] = "1cc1"; });
}

// "Scan Delay Time" "60 Sec": the byte 0x10 at offset 145, counted as 10 in the checksum 0x92.
inline std::vector<std::uint8_t> ScanDelay60Frame() {
    return FrameFor([](RadioSettings& s) { s.m_nScanDelay = 10; });
}

// Every option at its last item, every group at 25Khz, Group B CH3 = 400.00000
// and Group H CH8 = 500.00000 MHz.
inline std::vector<std::uint8_t> LastItemsFrame() {
    return FrameFor([](RadioSettings& s) {
        s.m_nVoxRelease = 3, s.m_nVoxAttack = 4, s.m_nDcs = 2, s.m_nCtcss = 2, s.m_nPowerSave = 3;
        s.m_nButtonLongTime = 2, s.m_nPttFp = 7, s.m_nPttTot = 8, s.m_nScanDelay = 10, s.m_strBclo = "DT On";
        s.m_nSelfTone = 1, s.m_nMode = 3, s.m_nBand = 8;
        s.m_nGroupSpacing.fill(1);
        s.m_strGroupCode[1][2] = "0000";
        s.m_strGroupCode[7][7] = "3e80";
    });
}

// Arrival time of every byte when the sender's 141 writes each take
// `writeTime` and are followed by their pause; a write's bytes arrive
// together, as over a pseudo-terminal.
inline std::vector<std::chrono::microseconds> PacedArrivals(std::chrono::microseconds start,
                                                            std::chrono::microseconds writeTime) {
    RadioSettings s;
    std::vector<std::chrono::microseconds> at;
    std::chrono::microseconds t = start;
    for (const PacedWrite& w : BuildProgrammingFrame(s).writes) {
        at.insert(at.end(), w.bytes.size(), t);
        t += writeTime + std::chrono::milliseconds(w.pauseAfterMs);
    }
    return at;
}

} // namespace velmar::radio::test
