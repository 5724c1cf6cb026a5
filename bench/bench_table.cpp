// View > All Channels: how long from the menu's command until the table of 64 channels is on the screen and
// painted, for a window that has not opened it before (the first time, when it is made) and again (shown
// anew). Prints the median and the slowest of each. Usage: bench_table [rounds=15]

#include "ChannelTable.h"
#include "MessageBoxes.h"
#include "OrvDlg.h"
#include "Resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace velmar;

namespace {

// Counts the paints of the table's cells.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Milliseconds from the command to the first paint of the cells.
double OpenAndTime(COrvDlg& dlg) {
    PaintWatch watch;
    QElapsedTimer clock;
    clock.start();
    CChannelTable* table = dlg.OpenChannelTable();
    table->Table()->viewport()->installEventFilter(&watch);
    while (!watch.painted && clock.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    table->Table()->viewport()->removeEventFilter(&watch);
    table->hide();
    return ms;
}

void Print(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.1f ms, slowest %.1f ms (target well under 100 ms)\n", what, ms[ms.size() / 2], ms.back());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir userFiles;
    qputenv("XDG_DATA_HOME", userFiles.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", userFiles.filePath("config").toUtf8());
    qputenv("XDG_STATE_HOME", userFiles.filePath("state").toUtf8());
    MessageBoxRecorder boxes;
    std::vector<double> first, again;
    for (int round = 0; round < rounds; ++round) {
        COrvDlg dlg;
        dlg.Create();
        dlg.show();
        qobject_cast<QAbstractButton*>(dlg.GetDlgItem(IDC_MODE_GROUP))->click(); // the table edits
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents();
        }
        first.push_back(OpenAndTime(dlg));
        again.push_back(OpenAndTime(dlg));
    }
    std::printf("rounds: %d, platform %s\n", rounds, qPrintable(QApplication::platformName()));
    Print("All Channels, first time", first);
    Print("All Channels, again", again);
    return 0;
}
