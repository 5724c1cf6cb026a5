// One Send after another against a pseudo-terminal, timed at the radio's end:
// how long the frame takes, how long until Send can be clicked again, and by
// how much each gap between writes overshoots its pause.
// Usage: bench_send [sends=3]

#include "MessageBoxes.h"
#include "OrvDlg.h"
#include "ProgrammingFrame.h"
#include "PtyRadio.h"
#include "Resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace velmar;
using namespace velmar::test;

namespace {

// Notes the moment the Send button becomes clickable again.
class EnabledWatch : public QObject {
public:
    std::optional<Clock::time_point> enabledAt;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange && static_cast<QWidget*>(watched)->isEnabled()) {
            enabledAt = Clock::now();
        }
        return false;
    }
};

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The history of sent settings and what the window remembers stay out of the user's own folders.
    QTemporaryDir userFiles;
    qputenv("XDG_DATA_HOME", userFiles.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", userFiles.filePath("config").toUtf8());
    const int sends = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    PtyRadio radio;
    qputenv("VELMAR_COM1", QByteArray::fromStdString(radio.Device()));
    MessageBoxRecorder boxes;
    COrvDlg dlg;
    dlg.Create();
    dlg.show();
    QTest::mouseClick(dlg.GetDlgItemAs<QAbstractButton>(IDC_CONNECT), Qt::LeftButton);
    if (!dlg.m_comm.m_bPortOpen.load()) {
        std::fprintf(stderr, "bench_send: Connect failed\n");
        return 1;
    }

    RadioSettings pattern;
    std::vector<int> pauses;
    for (const PacedWrite& w : BuildProgrammingFrame(pattern).writes) {
        pauses.push_back(w.pauseAfterMs);
    }

    std::vector<double> frameMs, clickToEnabledMs, overshoots;
    // The reader's own timestamps can be late, never early: a late one makes
    // the gap before it look longer and the one after it look shorter.
    constexpr double kReaderJitterMs = 1.0;
    int shortGaps = 0;
    int belowPause = 0;
    for (int run = 0; run < sends; ++run) {
        const std::size_t before = radio.Arrivals().size();
        EnabledWatch watch;
        auto* send = dlg.GetDlgItemAs<QAbstractButton>(IDC_SEND);
        send->installEventFilter(&watch);
        const auto click = Clock::now();
        QTest::mouseClick(send, Qt::LeftButton);
        while (!watch.enabledAt) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        send->removeEventFilter(&watch);

        const auto all = radio.Arrivals();
        std::vector<Clock::time_point> starts;
        for (std::size_t i = before; i < all.size(); ++i) {
            if (starts.empty() || all[i].at - all[i - 1].at > std::chrono::milliseconds(10)) {
                starts.push_back(all[i].at);
            }
        }
        if (starts.size() != pauses.size()) {
            std::fprintf(stderr, "bench_send: %zu writes arrived, %zu expected\n", starts.size(), pauses.size());
            return 1;
        }
        for (std::size_t i = 1; i < starts.size(); ++i) {
            const double over = Ms(starts[i] - starts[i - 1]) - pauses[i - 1];
            overshoots.push_back(over);
            belowPause += over < 0;
            shortGaps += over < -kReaderJitterMs;
        }
        frameMs.push_back(Ms(starts.back() - starts.front()));
        clickToEnabledMs.push_back(Ms(*watch.enabledAt - click));
    }

    std::sort(overshoots.begin(), overshoots.end());
    auto percentile = [&](double p) { return overshoots[static_cast<std::size_t>(p * (overshoots.size() - 1))]; };
    std::printf("sends: %d over a pseudo-terminal (%s)\n", sends, radio.Device().c_str());
    for (int i = 0; i < sends; ++i) {
        std::printf("send %d: first byte to checksum byte %.3f s (3.700 s of pauses), click to Send enabled %.3f s "
                    "(5.700 s of pauses)\n",
                    i + 1, frameMs[static_cast<std::size_t>(i)] / 1000,
                    clickToEnabledMs[static_cast<std::size_t>(i)] / 1000);
    }
    std::printf("gap overshoot over %zu gaps: min %.3f ms, median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                overshoots.size(), overshoots.front(), percentile(0.5), percentile(0.99), overshoots.back());
    std::printf("gaps measured below their pause: %d; by more than the reader's %.0f ms jitter: %d\n", belowPause,
                kReaderJitterMs, shortGaps);
    std::printf("targets: frame < 3.730 s, click to enabled < 5.750 s, median overshoot < 1 ms, no short gap\n");
    const bool met = *std::max_element(frameMs.begin(), frameMs.end()) < 3730 &&
                     *std::max_element(clickToEnabledMs.begin(), clickToEnabledMs.end()) < 5750 &&
                     percentile(0.5) < 1.0 && shortGaps == 0;
    std::printf("%s\n", met ? "all targets met" : "TARGETS MISSED");
    return 0;
}
