#pragma once
// The POSIX serial layer under CSerialLink, the only user of termios: one open terminal device with the operations
// the link needs.
// The termios details stay in PosixSerial.cpp, the only file that includes <termios.h>.
//
// Threads, by kind of operation:
//  - one owner (the thread that opens it) calls Open, ApplyLineSettings, Purge and Close, and only while no
//    write and no wait runs: the descriptors are set by Open and cleared by Close, so they need no atomics;
//  - one writer (a programming session's thread, or the owner) calls Write;
//  - one reader (the link's watch thread) calls Read, PrepareWait and WaitForInput;
//  - Wake and CurrentLineSettings may be called from any thread while the port is open.
// Reads and writes use the descriptor at the same time; the terminal driver keeps the two directions apart.
//
// Linux only: TIOCGEXCL (is the device held exclusively?), TIOCSERGETLSR (has the UART sent its last bit?),
// CMSPAR (mark and space parity) and eventfd (the wake-up).

#include "SerialResults.h"

#include <cstdint>
#include <string>

namespace velmar {

// The device's own name in /dev after following links ("ttyUSB0" for a /dev/serial/by-id path).
std::string DeviceKernelName(const std::string& path);

// For a pseudo-terminal (also through links): whether it is one, and the program name of a process holding its
// far end (its master), empty for none or none that may be looked into.
bool IsPseudoTerminal(const std::string& path);
std::string FarEndProgram(const std::string& path);

// The name of the group owning `path`, from stat(); empty when it cannot be found.
std::string DeviceGroupName(const std::string& path);

// The line settings as the driver holds them, decoded into the link's codes: stop bits 0 = one, 2 = two;
// parity 0 none, 1 odd, 2 even, 3 mark, 4 space. baudRate is 0 when the speed is not one of the standard ones.
struct LineSettings {
    std::uint32_t baudRate = 0;
    std::uint8_t byteSize = 0;
    std::uint8_t stopBits = 0;
    std::uint8_t parity = 0;
    bool raw = false;         // no line editing, echo, signals or output processing; reads return what is there
    bool flowControl = false; // RTS/CTS or XON/XOFF handshaking is on
    bool operator==(const LineSettings&) const = default;
};

// Reads the settings of an open terminal descriptor (for a pseudo-terminal master: those of its slave).
bool ReadLineSettings(int fd, LineSettings* settings);

enum WaitEvents : unsigned {
    kWaitRxChar = 1u << 0, // received bytes are waiting
    kWaitWoken = 1u << 1,  // Wake was called
    kWaitHangUp = 1u << 2, // the line hung up or the descriptor failed: no more input will come
};

class CPosixSerial {
public:
    CPosixSerial() = default;
    ~CPosixSerial();
    CPosixSerial(const CPosixSerial&) = delete;
    CPosixSerial& operator=(const CPosixSerial&) = delete;

    // Opens `device` for reading and writing, exclusively (TIOCEXCL, and an flock() lock which also holds
    // against root; a device another program already holds exclusively is refused as busy, also for root),
    // without making it the controlling terminal, and saves its settings for Close. Also makes the wake-up
    // descriptor. False with *failure filled in when any of it fails; nothing is left open then.
    // While it is open, a fatal signal (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT) restores its settings and
    // drops the exclusive hold before the signal takes its course: no crash leaves the port raw and held.
    // A hold no program keeps (TIOCEXCL left by a program killed outright, with no process having the device open
    // and no lock on it) is cleared, and the open goes on; StaleHoldCleared() then tells so.
    bool Open(const std::string& device, SerialFailure* failure);
    [[nodiscard]] bool StaleHoldCleared() const { return m_bStaleHoldCleared; }

    // Raw mode, no flow control, no waiting in reads, and the given speed, data bits, stop-bits code and parity code.
    // Each value is checked, applied and read back; false with *failure when one cannot be expressed or the driver did
    // not keep it (e.g. a pseudo-terminal always keeps 8 data bits and no parity).
    bool ApplyLineSettings(std::uint32_t baudRate, std::uint8_t byteSize, std::uint8_t stopBits, std::uint8_t parity,
                           SerialFailure* failure);

    // Discards what is buffered in both directions.
    void Purge();

    // Writes all bytes and waits until the driver has sent them, giving up at `timeoutMs` after the call
    // (0: no limit). Returns the bytes that left; after a time-out what is still buffered is discarded, so the
    // count returned is what went out. A hung-up line or a failing descriptor ends it at once.
    std::uint32_t Write(const std::uint8_t* bytes, std::uint32_t count, std::uint32_t timeoutMs);

    // Takes up to `capacity` of the bytes already received without waiting; 0 when none or on failure.
    std::uint32_t Read(std::uint8_t* buffer, std::uint32_t capacity);

    // Checks that the descriptors the wait uses are usable; the watch thread calls it before its loop.
    bool PrepareWait() const;

    // Blocks until bytes are waiting, Wake is called or the line hangs up, without polling. With `watchPort`
    // false only Wake ends it (used after a hang-up, when the port would report itself ready for ever).
    // Returns WaitEvents bits; kWaitWoken wins: a woken wait reports no received bytes. With `timeoutMs` >= 0
    // it returns 0 once that much time passed without an event.
    unsigned WaitForInput(bool watchPort, int timeoutMs = -1);

    // Ends a WaitForInput in progress and every later one until Close. Safe from any thread while open.
    void Wake();

    // Restores the saved settings, releases the lock and closes both descriptors. Safe when not open; the
    // caller makes sure no other thread uses the port any more.
    void Close();

    [[nodiscard]] bool IsOpen() const { return m_fd >= 0; }
    // The settings the driver holds now; false when not open.
    bool CurrentLineSettings(LineSettings* settings) const;

private:
    int m_fd = -1;
    int m_wakeFd = -1;
    std::string m_device;
    // The saved settings, kept as bytes so the header stays free of termios.
    alignas(8) unsigned char m_savedTermios[64] = {};
    bool m_bSaved = false;
    bool m_bStaleHoldCleared = false;
    std::uint32_t m_nBaudRate = 0;
};

} // namespace velmar
