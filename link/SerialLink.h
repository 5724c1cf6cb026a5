#pragma once
// One serial port with its watch thread. Its owner (a programming session) opens and closes it, a writer writes;
// the watch thread waits for received bytes, moves them into the receive queue in chunks of up to
// READ_CHUNK_SIZE and then calls the notification its owner installed ("bytes were received"); the owner's
// consumer takes them with TakeReceived. What the link has to tell goes to the message sink as a typed
// LinkMessage, which the programs word.
//
// Threads, by kind of operation:
//  - one owner calls Open, Close, SetNotify, SetMessageSink, LastFailure and the destructor;
//    Open and Close only while no write runs (a programming session stops its Send before it closes);
//  - one writer calls Write: the programming session's thread while a Send runs;
//  - one reader, the watch thread, calls Read and puts into the queue; one consumer calls TakeReceived;
//  - IsOpen, LineHungUp, WatchThreadRunning, DroppedBytes and WatchResult may be read from any thread.
// Install the callbacks while the link is closed. No callback may wait for the owner: Close waits for the watch
// thread to end.
//
// A line that hangs up (a USB adapter pulled, a pseudo-terminal's other side closed) stays Open until Close:
// the watch thread stops watching it and sleeps until Close (LineHungUp() tells), and writes fail at once.

#include "ByteQueue.h"
#include "PosixSerial.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace velmar {

// The watch thread's read buffer.
inline constexpr std::uint32_t READ_CHUNK_SIZE = 2048;
// How long received bytes gather in the driver between two reads: at 4800 baud about ten bytes, far below what it
// holds (4 KiB), and too short for anyone watching the count to notice.
inline constexpr int kGatherMs = 25;

// What the link has to tell its user; the program words it (the window shows a message box, OK button, on its
// own thread).
enum class LinkEvent {
    OpenFailed,      // the port could not be opened or set up: `failure` says why
    BufferFull,      // `dropped` received bytes did not fit the queue, which held `held`; told of every drop
    WatchNotStarted, // the watch thread could not prepare its wait: the port stays open, nothing is received
};

struct LinkMessage {
    LinkEvent event = LinkEvent::OpenFailed;
    SerialFailure failure;
    std::uint32_t dropped = 0;
    int held = 0;
    int capacity = COMM_BUFFER_SIZE - 1; // the most the queue holds
};

class CSerialLink {
public:
    CSerialLink();
    // Closes an open port and ends its watch thread.
    ~CSerialLink();
    CSerialLink(const CSerialLink&) = delete;
    CSerialLink& operator=(const CSerialLink&) = delete;

    // Opens the port exclusively, empties both directions of the driver, sets the write time-out to
    // (19200 / baudRate) ms per byte (0: none), applies raw mode and the line settings (stop bits 0 = one,
    // 2 = two; 1 = one and a half is refused here; parity 0 none, 1 odd, 2 even, 3 mark, 4 space) and starts
    // the watch thread. True when all of that succeeded.
    // False when the device cannot be opened, when a setting is refused (the port is released again) or when
    // the thread cannot be started: each time "Port Ofen Fail" goes to the message sink, with the device and the
    // reason as detail, and LastFailure() tells why. Also false, with "Port Ofen Fail", when this link is
    // open already; the open connection is left as it is.
    // `device` is the path that is opened: which device a port name stands for is the session's rule.
    bool Open(const std::string& device, std::uint32_t baudRate, std::uint8_t byteSize, std::uint8_t stopBits,
              std::uint8_t parity);

    // Ends the watch thread's wait, waits for the thread to end, discards what the driver holds and releases
    // the port and everything Open made. Safe when not open. No notification or message of this link's watch
    // thread comes after it returns. Does not empty m_rxQueue.
    void Close();

    // Writes the bytes and blocks until they have left or until count x (19200 / baud) ms have passed (no
    // limit above 19200 baud). Returns how many left; 0 when the port is not open or the line failed.
    std::uint32_t Write(const std::uint8_t* bytes, std::uint32_t count);

    // Watch thread: takes up to `capacity` of the bytes already received, without waiting; 0 when none.
    std::uint32_t Read(std::uint8_t* buffer, std::uint32_t capacity);

    // The consumer: appends the bytes queued now, at most `most`, to *out and returns how many. Bytes arriving
    // meanwhile bring their own notification.
    std::size_t TakeReceived(std::vector<std::uint8_t>* out, std::size_t most = SIZE_MAX);
    // How many received bytes wait in the queue. Any thread.
    [[nodiscard]] int QueuedBytes() const { return m_rxQueue.Count(); }

    // Called on the watch thread once after each receive event, when the driver has been drained, and once when
    // the line hangs up.
    void SetNotify(std::function<void()> notify);
    // Receives the link's messages, from the window thread (Open) or the watch thread. Must not block.
    void SetMessageSink(std::function<void(const LinkMessage&)> sink);

    // Why the last Open failed (kind None after a successful one).
    [[nodiscard]] const SerialFailure& LastFailure() const { return m_lastFailure; }
    // From a successful Open until Close.
    [[nodiscard]] bool IsOpen() const { return m_bPortOpen.load(std::memory_order_acquire); }
    // True while a watch thread runs its loop (the thread clears it when it leaves).
    [[nodiscard]] bool WatchThreadRunning() const { return m_bWatching.load(std::memory_order_acquire); }
    // Received bytes dropped for want of room in m_rxQueue since the link was made. Any thread.
    [[nodiscard]] std::uint64_t DroppedBytes() const { return m_nDropped.load(std::memory_order_acquire); }
    // True once the watch thread saw the line hang up; it then waits only for Close. Reset by Open.
    [[nodiscard]] bool LineHungUp() const { return m_bHungUp.load(std::memory_order_acquire); }
    // What the last watch thread ended with (see ThreadWatchComm); valid once Close has returned.
    [[nodiscard]] std::uint32_t WatchResult() const { return m_nWatchResult.load(std::memory_order_acquire); }
    // The settings the driver holds now; false when not open.
    bool CurrentLineSettings(LineSettings* settings) const { return m_port.CurrentLineSettings(settings); }
    // True when the last Open cleared a hold that a killed program left. Owning thread.
    [[nodiscard]] bool StaleHoldCleared() const { return m_port.StaleHoldCleared(); }

    // The watch thread's body: 1 after a normal end, 0 when it could not prepare its wait.
    static std::uint32_t ThreadWatchComm(CSerialLink* link);

private:
    std::atomic<bool> m_bPortOpen{false};
    CByteQueue m_rxQueue;
    void Report(LinkEvent event);
    void ReportBuffFull(std::uint32_t dropped, int held);

    CPosixSerial m_port;
    std::thread m_watchThread;
    std::atomic<bool> m_bWatching{false};
    std::atomic<bool> m_bHungUp{false};
    std::atomic<std::uint32_t> m_nWatchResult{0};
    std::uint32_t m_nWriteMultiplier = 0;
    SerialFailure m_lastFailure;
    std::function<void()> m_notify;
    std::function<void(const LinkMessage&)> m_sink;
    std::atomic<std::uint64_t> m_nDropped{0};
};

} // namespace velmar
