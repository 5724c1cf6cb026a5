// Receive-path benchmark over a pseudo-terminal: a peer writes on the master, the link's watch thread queues
// the bytes and notifies, and a consumer thread standing in for the window takes what the queue holds on each
// notification (the notification only hands a call over to it, as the window's queued call does).
//
// Prints sustained throughput with nothing lost while the consumer keeps up (the peer keeps at most a queue's
// worth of bytes in flight), and the time from a byte written by the peer to its notification, and to the
// consumer's handling of it.
//
// Usage: bench_link [megabytes=32] [latency samples=5000]

#include "PseudoTerminal.h"
#include "SerialLink.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace velmar;

namespace {

using Clock = std::chrono::steady_clock;

std::uint8_t PatternByte(std::uint64_t i) {
    return static_cast<std::uint8_t>((i * 2654435761u) >> 13);
}

struct Pty {
    velmar::CPseudoTerminal pty;
    int master = -1;
    std::string slave;
    Pty() {
        std::string error;
        if (!pty.Open({}, &error)) {
            std::fprintf(stderr, "bench_link: %s\n", error.c_str());
            std::exit(2);
        }
        master = pty.Master();
        slave = pty.SlavePath();
    }
    void Send(const std::uint8_t* bytes, std::size_t n) const {
        if (!pty.Send({bytes, n}, 10000)) {
            std::perror("write");
            std::exit(2);
        }
    }
};

// The window's thread: runs the calls the notification queues, one after the other.
class Consumer {
public:
    explicit Consumer(CSerialLink& link) : m_link(link), m_thread([this] { Run(); }) {}
    ~Consumer() {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_cv.notify_one();
        m_thread.join();
    }

    // The notification: only queues a call.
    void Post(Clock::time_point notifiedAt) {
        {
            std::lock_guard lock(m_mutex);
            m_pending.push_back(notifiedAt);
        }
        m_cv.notify_one();
    }

    std::atomic<std::uint64_t> taken{0};
    std::atomic<std::uint64_t> wrong{0};
    std::atomic<std::int64_t> lastNotifyNs{0};  // notification time of the last handled call that took bytes
    std::atomic<std::int64_t> lastHandledNs{0}; // when that call ran
    std::atomic<std::uint64_t> handledCalls{0};

private:
    void Run() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_cv.wait(lock, [&] { return m_stop || !m_pending.empty(); });
            if (m_stop) {
                return;
            }
            const auto notifiedAt = m_pending.front();
            m_pending.erase(m_pending.begin());
            lock.unlock();
            const auto handledAt = Clock::now();
            m_bytes.clear();
            const auto n = m_link.TakeReceived(&m_bytes);
            std::uint64_t next = taken.load(std::memory_order_relaxed);
            std::uint64_t bad = 0;
            for (const std::uint8_t b : m_bytes) {
                bad += b != PatternByte(next) ? 1 : 0;
                ++next;
            }
            if (n > 0) {
                lastNotifyNs.store(notifiedAt.time_since_epoch().count(), std::memory_order_relaxed);
                lastHandledNs.store(handledAt.time_since_epoch().count(), std::memory_order_relaxed);
            }
            wrong.fetch_add(bad, std::memory_order_relaxed);
            taken.store(next, std::memory_order_release);
            taken.notify_all();
            handledCalls.fetch_add(1, std::memory_order_release);
            lock.lock();
        }
    }

    CSerialLink& m_link;
    std::vector<std::uint8_t> m_bytes; // this thread's only
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<Clock::time_point> m_pending;
    bool m_stop = false;
    std::thread m_thread;
};

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 32;
    const int samples = argc > 2 ? std::atoi(argv[2]) : 5000;
    const std::uint64_t total = megabytes * 1024 * 1024;

    Pty pty;
    CSerialLink link;
    std::atomic<int> buffFull{0};
    link.SetMessageSink([&](const LinkMessage& m) {
        if (m.event == LinkEvent::BufferFull) {
            buffFull.fetch_add(1);
        }
    });
    std::unique_ptr<Consumer> consumer = std::make_unique<Consumer>(link);
    link.SetNotify([&] { consumer->Post(Clock::now()); });
    if (!link.Open(pty.slave, 4800, 8, 2, 0)) {
        std::fprintf(stderr, "open failed: %s\n", link.LastFailure().device.c_str());
        return 2;
    }

    // Throughput: the peer keeps at most 4096 bytes in flight (in the system or the queue), so every chunk the
    // watch thread reads finds room: the consumer keeps up by construction, and any loss is a fault.
    constexpr std::uint64_t kWindow = 4096, kChunk = 1024;
    std::vector<std::uint8_t> chunk(kChunk);
    const auto start = Clock::now();
    std::uint64_t sent = 0;
    while (sent < total) {
        std::uint64_t done = consumer->taken.load(std::memory_order_acquire);
        while (sent + kChunk - done > kWindow) {
            consumer->taken.wait(done, std::memory_order_acquire);
            done = consumer->taken.load(std::memory_order_acquire);
        }
        const std::uint64_t n = std::min(kChunk, total - sent);
        for (std::uint64_t i = 0; i < n; ++i) {
            chunk[i] = PatternByte(sent + i);
        }
        pty.Send(chunk.data(), n);
        sent += n;
    }
    for (std::uint64_t done = consumer->taken.load(); done < total; done = consumer->taken.load()) {
        consumer->taken.wait(done);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("throughput: %.1f MB/s (%.2f MiB in %.3f s), %llu notifications handled, lost %d chunks, "
                "%llu wrong bytes\n",
                static_cast<double>(total) / seconds / 1e6, static_cast<double>(total) / 1048576.0, seconds,
                static_cast<unsigned long long>(consumer->handledCalls.load()), buffFull.load(),
                static_cast<unsigned long long>(consumer->wrong.load()));

    // Latency: one byte at a time, the next only after the consumer has taken the previous one.
    std::vector<double> toNotify, toConsumer;
    toNotify.reserve(static_cast<std::size_t>(samples));
    toConsumer.reserve(static_cast<std::size_t>(samples));
    std::uint64_t expected = consumer->taken.load();
    for (int s = 0; s < samples; ++s) {
        const std::uint8_t b = PatternByte(expected);
        const auto t0 = Clock::now();
        pty.Send(&b, 1);
        ++expected;
        for (std::uint64_t done = consumer->taken.load(); done < expected; done = consumer->taken.load()) {
            consumer->taken.wait(done);
        }
        const auto notified = Clock::time_point(Clock::duration(consumer->lastNotifyNs.load()));
        const auto handled = Clock::time_point(Clock::duration(consumer->lastHandledNs.load()));
        toNotify.push_back(std::chrono::duration<double, std::micro>(notified - t0).count());
        toConsumer.push_back(std::chrono::duration<double, std::micro>(handled - t0).count());
        // A short pause so the threads go back to sleep, as between real replies.
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    std::printf("latency peer write -> notification: p50 %.0f us, p99 %.0f us, max %.0f us (%d samples)\n",
                Percentile(toNotify, 0.50), Percentile(toNotify, 0.99), Percentile(toNotify, 1.0), samples);
    std::printf("latency peer write -> consumer call: p50 %.0f us, p99 %.0f us, max %.0f us\n",
                Percentile(toConsumer, 0.50), Percentile(toConsumer, 0.99), Percentile(toConsumer, 1.0));
    link.Close();
    const bool ok = buffFull.load() == 0 && consumer->wrong.load() == 0;
    consumer.reset();
    return ok ? 0 : 1;
}
