#pragma once
// Test helpers: a pseudo-terminal standing in for the radio's serial line (the link opens the slave, the test
// plays the radio on the master), and collectors for what the link's watch thread reports.

#include "SerialLink.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

class PtyPair {
public:
    PtyPair() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
            throw std::runtime_error("no pseudo-terminal");
        }
        char name[128];
        if (::ptsname_r(m_master, name, sizeof name) != 0) {
            throw std::runtime_error("no pseudo-terminal name");
        }
        m_slave = name;
    }
    ~PtyPair() { CloseMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    [[nodiscard]] int Master() const { return m_master; }
    [[nodiscard]] const std::string& Slave() const { return m_slave; }

    void CloseMaster() {
        if (m_master >= 0) {
            ::close(m_master);
            m_master = -1;
        }
    }

    // Writes everything on the radio's side (the master blocks while the slave's input is full).
    void Send(const std::vector<std::uint8_t>& bytes) const {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                throw std::runtime_error("pty master write failed");
            }
            done += static_cast<std::size_t>(n);
        }
    }

    // What the link sent, up to `count` bytes, waiting at most `limit` for them.
    [[nodiscard]] std::vector<std::uint8_t> Receive(std::size_t count,
                                                    std::chrono::milliseconds limit = std::chrono::seconds(10)) const {
        std::vector<std::uint8_t> got;
        const auto end = std::chrono::steady_clock::now() + limit;
        while (got.size() < count) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                break;
            }
            pollfd p{m_master, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0 || (p.revents & POLLIN) == 0) {
                break;
            }
            std::uint8_t buffer[4096];
            const ssize_t n = ::read(m_master, buffer, std::min(sizeof buffer, count - got.size()));
            if (n <= 0) {
                break;
            }
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

    // True when the master has bytes to read now.
    [[nodiscard]] bool HasInput() const {
        pollfd p{m_master, POLLIN, 0};
        return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN) != 0;
    }

private:
    int m_master = -1;
    std::string m_slave;
};

// Everything the watch thread reports, in order: read chunks (as the drain observer sees them) and
// notifications. Waits have a generous safety limit so that a fault fails the test instead of hanging it.
class LinkEvents {
public:
    struct Chunk {
        std::vector<std::uint8_t> bytes;
        bool queued;
    };

    void Attach(CSerialLink& link) {
        link.SetNotify([this] {
            std::lock_guard lock(m_mutex);
            ++m_notifications;
            m_lastWasNotify = true;
            m_cv.notify_all();
        });
        link.SetDrainObserver([this](const std::uint8_t* bytes, std::uint32_t n, bool queued) {
            std::lock_guard lock(m_mutex);
            m_chunks.push_back({std::vector<std::uint8_t>(bytes, bytes + n), queued});
            m_received += n;
            m_lastWasNotify = false;
            m_cv.notify_all();
        });
        link.SetMessageSink([this](const LinkMessage& message) {
            std::lock_guard lock(m_mutex);
            m_messages.push_back(message);
            m_cv.notify_all();
        });
    }

    // Waits until `bytes` bytes have been read in all and a notification followed the last of them.
    bool WaitForDrained(std::size_t bytes, std::chrono::seconds limit = std::chrono::seconds(20)) {
        std::unique_lock lock(m_mutex);
        return m_cv.wait_for(lock, limit, [&] { return m_received >= bytes && m_lastWasNotify; });
    }
    bool WaitForNotifications(int count, std::chrono::seconds limit = std::chrono::seconds(20)) {
        std::unique_lock lock(m_mutex);
        return m_cv.wait_for(lock, limit, [&] { return m_notifications >= count; });
    }

    int Notifications() {
        std::lock_guard lock(m_mutex);
        return m_notifications;
    }
    std::vector<Chunk> Chunks() {
        std::lock_guard lock(m_mutex);
        return m_chunks;
    }
    std::vector<LinkMessage> Messages() {
        std::lock_guard lock(m_mutex);
        return m_messages;
    }
    int CountMessages(const std::string& text) {
        std::lock_guard lock(m_mutex);
        int n = 0;
        for (const auto& m : m_messages) {
            n += m.text == text ? 1 : 0;
        }
        return n;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    int m_notifications = 0;
    std::size_t m_received = 0;
    bool m_lastWasNotify = false;
    std::vector<Chunk> m_chunks;
    std::vector<LinkMessage> m_messages;
};

// Takes everything the queue holds, as the window does on a notification.
inline std::vector<std::uint8_t> TakeAll(CByteQueue& queue) {
    std::vector<std::uint8_t> out;
    const int n = queue.Count();
    for (int i = 0; i < n; ++i) {
        std::uint8_t b = 0;
        if (!queue.Take(&b)) {
            throw std::logic_error("Take failed within Count");
        }
        out.push_back(b);
    }
    return out;
}

// A recognisable byte stream: no short period, so a lost, doubled or reordered chunk shows.
inline std::vector<std::uint8_t> Pattern(std::size_t count, std::uint32_t seed = 1) {
    std::vector<std::uint8_t> out(count);
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (auto& b : out) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<std::uint8_t>(x >> 24);
    }
    return out;
}

// Open descriptors and threads of this process, from /proc.
inline int CountEntries(const char* dir) {
    int n = 0;
    if (DIR* d = ::opendir(dir)) {
        while (const dirent* e = ::readdir(d)) {
            n += e->d_name[0] != '.' ? 1 : 0;
        }
        ::closedir(d);
    }
    return n;
}
inline int OpenDescriptors() {
    return CountEntries("/proc/self/fd") - 1;
} // minus the one reading the folder
inline int Threads() {
    return CountEntries("/proc/self/task");
}
