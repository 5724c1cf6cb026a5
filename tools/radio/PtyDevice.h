#pragma once
// The pseudo-terminal that stands in for the radio's serial port. Velmar opens
// the slave side as its COM1; the radio reads and answers on the master side.

#include <cstdint>
#include <span>
#include <string>

namespace velmar::radio {

class PtyDevice {
public:
    PtyDevice() = default;
    ~PtyDevice();
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    // Opens the pair and sets the slave to raw 4800 baud, 8 data bits, no
    // parity, two stop bits. On failure returns false with the reason in `error`.
    bool Open(std::string& error);

    [[nodiscard]] int MasterFd() const { return m_master; }
    [[nodiscard]] const std::string& SlavePath() const { return m_slavePath; }

    // Sends bytes to whoever has the slave open, waiting up to a second for
    // room. Returns false when not all of them could be written.
    bool Send(std::span<const std::uint8_t> bytes);

    // Waits, up to `limitMs`, until the other side has read everything sent
    // to it: closing the master would throw away what it has not read yet.
    void Drain(int limitMs);

private:
    int m_master = -1;
    // Held open for our whole run: while any slave descriptor is open the
    // master never sees a hang-up, so Velmar may connect and disconnect as
    // often as it likes, and its line settings stay with the device.
    int m_slaveHold = -1;
    std::string m_slavePath;
};

} // namespace velmar::radio
