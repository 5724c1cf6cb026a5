#include "SerialLink.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <pthread.h>
#include <system_error>

namespace velmar {

CSerialLink::CSerialLink() = default;

CSerialLink::~CSerialLink() {
    Close();
}

void CSerialLink::SetNotify(std::function<void()> notify) {
    m_notify = std::move(notify);
}

void CSerialLink::SetMessageSink(std::function<void(const LinkMessage&)> sink) {
    m_sink = std::move(sink);
}

void CSerialLink::Report(LinkEvent event) {
    if (!m_sink) {
        return;
    }
    LinkMessage message;
    message.event = event;
    message.failure = m_lastFailure;
    m_sink(message);
}

void CSerialLink::ReportBuffFull(std::uint32_t dropped, int held) {
    // Every drop is told with its count: how often a person hears of it is the listener's business.
    if (m_sink) {
        LinkMessage message;
        message.event = LinkEvent::BufferFull;
        message.dropped = dropped;
        message.held = held;
        m_sink(message);
    }
}

bool CSerialLink::Open(const std::string& device, std::uint32_t baudRate, std::uint8_t byteSize, std::uint8_t stopBits,
                       std::uint8_t parity) {
    m_lastFailure = {};
    if (m_bPortOpen.load(std::memory_order_acquire) || m_watchThread.joinable() || m_port.IsOpen()) {
        // Opening again would take the port from under the running watch thread.
        m_lastFailure = {SerialFailureKind::Busy, device, EBUSY, SerialProblem::OpenHere, 0, {}, {}, {}};
        Report(LinkEvent::OpenFailed);
        return false;
    }
    if (!m_port.Open(device, &m_lastFailure)) {
        Report(LinkEvent::OpenFailed);
        return false;
    }
    // The driver's buffer sizes are the kernel's own here; there is nothing to size.
    m_port.Purge();
    // A device that opened but cannot be used is a failed open all the same: the operator hears why. The port
    // is released at once, so that the next Open of the same port is not refused as busy.
    const auto failAfterOpen = [&] {
        m_port.Close();
        Report(LinkEvent::OpenFailed);
        return false;
    };
    if (baudRate == 0) {
        m_lastFailure = {SerialFailureKind::SettingRefused, device, 0, SerialProblem::ZeroBaud, 0, {}, {}, {}};
        return failAfterOpen();
    }
    m_nWriteMultiplier = 19200 / baudRate;
    if (!m_port.ApplyLineSettings(baudRate, byteSize, stopBits, parity, &m_lastFailure)) {
        return failAfterOpen();
    }
    m_bHungUp.store(false, std::memory_order_release);
    m_nWatchResult.store(0, std::memory_order_release);
    m_bPortOpen.store(true, std::memory_order_release);
    m_bWatching.store(true, std::memory_order_release);
    try {
        m_watchThread = std::thread(ThreadWatchComm, this);
    } catch (const std::system_error& e) {
        m_bWatching.store(false, std::memory_order_release);
        Close();
        m_lastFailure = {
            SerialFailureKind::Resources, device, e.code().value(), SerialProblem::NoWatchThread, 0, {}, {}, {}};
        Report(LinkEvent::OpenFailed);
        return false;
    }
    return true;
}

void CSerialLink::Close() {
    // The flag goes first, so the thread woken below already sees it cleared and ends.
    m_bPortOpen.store(false, std::memory_order_release);
    m_port.Wake();
    if (m_watchThread.joinable()) {
        m_watchThread.join();
    }
    m_port.Purge();
    m_port.Close();
}

std::uint32_t CSerialLink::Write(const std::uint8_t* bytes, std::uint32_t count) {
    if (!m_bPortOpen.load(std::memory_order_acquire)) {
        return 0;
    }
    std::uint32_t timeoutMs = 0;
    if (m_nWriteMultiplier != 0) {
        const std::uint64_t total = std::uint64_t{m_nWriteMultiplier} * count;
        timeoutMs =
            static_cast<std::uint32_t>(std::min<std::uint64_t>(total, std::numeric_limits<std::uint32_t>::max()));
    }
    return m_port.Write(bytes, count, timeoutMs);
}

std::uint32_t CSerialLink::Read(std::uint8_t* buffer, std::uint32_t capacity) {
    // The descriptor does not block: a read of a drained driver returns at once with nothing, so there is no
    // need to ask first how much is waiting.
    return m_port.Read(buffer, capacity);
}

std::size_t CSerialLink::TakeReceived(std::vector<std::uint8_t>* out, std::size_t most) {
    // Only what is queued now, so that a radio that never pauses cannot hold the consumer here.
    const auto count = std::min(static_cast<std::size_t>(m_rxQueue.Count()), most);
    std::size_t taken = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t byte = 0;
        if (m_rxQueue.Take(&byte)) {
            out->push_back(byte);
            ++taken;
        }
    }
    return taken;
}

std::uint32_t CSerialLink::ThreadWatchComm(CSerialLink* link) {
    CPosixSerial& port = link->m_port;
    if (!port.PrepareWait()) {
        link->Report(LinkEvent::WatchNotStarted);
        link->m_nWatchResult.store(0, std::memory_order_release);
        link->m_bWatching.store(false, std::memory_order_release);
        return 0;
    }
    // Named for top and the benchmarks; pthread_setname_np is a GNU/Linux call.
    ::pthread_setname_np(::pthread_self(), "velmar-watch");
    std::uint8_t buffer[READ_CHUNK_SIZE];
    bool watchPort = true;
    while (link->m_bPortOpen.load(std::memory_order_acquire)) {
        const unsigned events = port.WaitForInput(watchPort);
        if ((events & kWaitRxChar) != 0) {
            // Drain the driver. The flag is looked at between reads so that a peer that never pauses cannot
            // hold Close up; what is left is discarded by Close anyway.
            for (;;) {
                const std::uint32_t n = link->Read(buffer, READ_CHUNK_SIZE);
                if (n == 0) {
                    break;
                }
                const int room = COMM_BUFFER_SIZE - link->m_rxQueue.Count();
                const bool fits = room > static_cast<int>(n);
                if (fits) {
                    for (std::uint32_t i = 0; i < n; ++i) {
                        link->m_rxQueue.Put(buffer[i]);
                    }
                } else {
                    // Counted once told, so that whoever sees the count has been told of the drop.
                    link->ReportBuffFull(n, COMM_BUFFER_SIZE - room);
                    link->m_nDropped.fetch_add(n, std::memory_order_acq_rel);
                }
                if (!link->m_bPortOpen.load(std::memory_order_acquire)) {
                    break;
                }
            }
            if (link->m_notify) {
                link->m_notify();
            }
            // Let the next bytes gather in the driver before waiting again: a radio talking at line rate, or a
            // flood, then costs a read and a notification every kGatherMs, not one per byte. Close still ends
            // this at once.
            if ((events & kWaitHangUp) == 0) {
                port.WaitForInput(false, kGatherMs);
            }
        }
        if ((events & kWaitHangUp) != 0) {
            // A hung-up line reports itself readable for ever and nothing more will come: from now on wait
            // for Close alone instead of spinning.
            watchPort = false;
            link->m_bHungUp.store(true, std::memory_order_release);
            // Told at once, so the window can say so while the operator still holds the cable.
            if (link->m_notify) {
                link->m_notify();
            }
        }
    }
    link->m_nWatchResult.store(1, std::memory_order_release);
    link->m_bWatching.store(false, std::memory_order_release);
    return 1;
}

} // namespace velmar
