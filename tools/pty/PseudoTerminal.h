#pragma once
// A pseudo-terminal pair standing in for the radio's serial port: Velmar (or a link under test) opens the
// slave's path as its COM1, and whoever plays the radio reads and writes the master. The one place that makes
// pseudo-terminals, for the simulated radio, the tests and the benchmarks.
//
// Threads: one owner opens and closes it; any one thread may send while another receives.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmar {

class CPseudoTerminal {
public:
    struct Options {
        // Keep a descriptor of the slave open: the master then never sees a hang-up between the connections of
        // whoever opens the slave, and the line settings stay with the device meanwhile.
        bool holdSlave = false;
        // With holdSlave: set the line as the radio's cable has it (raw, 4800 baud, 8 data bits, no parity, two
        // stop bits) until someone sets it otherwise.
        bool radioLine = false;
    };

    CPseudoTerminal() = default;
    ~CPseudoTerminal();
    CPseudoTerminal(const CPseudoTerminal&) = delete;
    CPseudoTerminal& operator=(const CPseudoTerminal&) = delete;

    // Makes the pair; the master does not block. False with the reason in *error (nothing left open then).
    bool Open(const Options& options, std::string* error);

    [[nodiscard]] int Master() const { return m_master; }
    [[nodiscard]] const std::string& SlavePath() const { return m_slavePath; }
    // The radio's end goes away, as a pulled cable does: whoever has the slave open sees the line hang up.
    void CloseMaster();

    // Writes every byte to whoever has the slave open, waiting up to `limitMs` for room in all. False when not
    // all of them could be written.
    bool Send(std::span<const std::uint8_t> bytes, int limitMs = 1000) const;
    // Up to `count` bytes from the slave's side, each part waited for at most `limitMs`.
    [[nodiscard]] std::vector<std::uint8_t> Receive(std::size_t count, int limitMs = 10000) const;
    // With holdSlave: waits, up to `limitMs`, until the other side has read everything sent to it, since closing
    // the master would throw away what it has not read yet.
    void Drain(int limitMs) const;

private:
    int m_master = -1;
    int m_slaveHold = -1;
    std::string m_slavePath;
};

} // namespace velmar
