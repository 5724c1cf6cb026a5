// One Send after another from the window against a pseudo-terminal: how long
// the frame takes, how long until Send can be clicked again, by how much each
// pause ran over at the sender (its own trace), and what the radio's end saw
// of the gaps, late deliveries told apart from early writes.
// Usage: bench_send [sends=3]

#include "FramePacing.h"
#include "MessageBoxes.h"
#include "OrvDlg.h"
#include "PacingCheck.h"
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
    if (!dlg.IsWindowEnabled(IDC_DISCONNECT)) {
        std::fprintf(stderr, "bench_send: Connect failed\n");
        return 1;
    }

    RadioSettings pattern;
    const std::vector<PacedWrite> writes = BuildProgrammingFrame(pattern).writes;
    PacedTrace trace;
    dlg.SetPacingTrace(&trace);

    std::vector<double> frameMs, clickToEnabledMs, margins, receiverOvershoots;
    int earlyWrites = 0, lateDeliveries = 0, senderFaults = 0;
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

        // The sender: every pause from its write's return to the next write's call.
        const test::PacingVerdict verdict = test::JudgePacing(trace, writes, std::chrono::milliseconds(50));
        senderFaults += static_cast<int>(verdict.faults.size());
        for (std::size_t i = 1; i < trace.size(); ++i) {
            margins.push_back(Ms(trace[i].started - trace[i - 1].returned) - writes[i - 1].pauseAfterMs);
        }
        // The receiver: each byte's arrival, judged as the simulated radio judges it.
        const auto all = radio.Arrivals();
        std::vector<radio::Micros> arrivals;
        for (std::size_t i = before; i < all.size(); ++i) {
            const auto at = std::chrono::duration_cast<radio::Micros>(all[i].at - all[before].at);
            arrivals.insert(arrivals.end(), all[i].bytes.size(), at);
        }
        const radio::PacingReport seen = radio::AnalysePacing(arrivals);
        earlyWrites += seen.shortGaps;
        lateDeliveries += seen.lateDeliveries;
        for (const radio::Gap& g : seen.gaps) {
            receiverOvershoots.push_back(std::chrono::duration<double, std::milli>(g.measured).count() - g.pauseMs);
        }
        frameMs.push_back(Ms(trace.back().started - trace.front().started));
        clickToEnabledMs.push_back(Ms(*watch.enabledAt - click));
    }

    const auto summary = [](std::vector<double> v, const char* what) {
        std::sort(v.begin(), v.end());
        const auto at = [&](double p) { return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))]; };
        std::printf("%s over %zu pauses: min %.3f ms, median %.3f ms, p99 %.3f ms, max %.3f ms\n", what, v.size(),
                    v.front(), at(0.5), at(0.99), v.back());
        return at(0.5);
    };
    std::printf("sends: %d over a pseudo-terminal (%s)\n", sends, radio.Device().c_str());
    for (int i = 0; i < sends; ++i) {
        std::printf("send %d: first write to checksum write %.3f s (3.700 s of pauses), click to Send enabled "
                    "%.3f s (5.700 s of pauses)\n",
                    i + 1, frameMs[static_cast<std::size_t>(i)] / 1000,
                    clickToEnabledMs[static_cast<std::size_t>(i)] / 1000);
    }
    const double median = summary(margins, "sender, pause overrun");
    summary(receiverOvershoots, "receiver, gap over pause");
    std::printf("sender: %d pauses short of their plan or over by more than 50 ms\n", senderFaults);
    std::printf("receiver: %d writes came early, %d gaps only looked short (late deliveries)\n", earlyWrites,
                lateDeliveries);
    std::printf("targets: frame < 3.730 s, click to enabled < 5.750 s, median overrun < 1 ms, no pause short at "
                "the sender, no early write at the receiver\n");
    const bool met = *std::max_element(frameMs.begin(), frameMs.end()) < 3730 &&
                     *std::max_element(clickToEnabledMs.begin(), clickToEnabledMs.end()) < 5750 && median < 1.0 &&
                     senderFaults == 0 && earlyWrites == 0;
    std::printf("%s\n", met ? "all targets met" : "TARGETS MISSED");
    return 0;
}
