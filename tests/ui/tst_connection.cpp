// Connect, Disconnect, the radio's reply and Send, with a pseudo-terminal as
// the radio's end of the line.

#include "UiTestSupport.h"

#include "ProgrammingFrame.h"
#include "PtyRadio.h"

#include <QElapsedTimer>
#include <QProgressBar>

#include <chrono>

using namespace velmar;
using namespace velmar::test;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The frame of a fresh start, written out byte by byte; `channel` and `mode`
// bytes and the checksum are the only differences of the second example.
Bytes ExpectedFrame(const Bytes& firstChannels, std::uint8_t mode, std::uint8_t checksum) {
    Bytes f(kFrameSize, 0x00);
    f[0] = 0xF3;
    for (std::size_t i = 0; i < 128; ++i) {
        f[1 + i] = i < firstChannels.size() ? firstChannels[i] : 0xFF;
    }
    f[142] = 0x08; // "Button long Time" 0.5 Sec
    f[148] = mode;
    f[257] = checksum;
    return f;
}

// The pause after each of the 141 writes, in ms (the model's own tests pin them down).
std::vector<int> PausePattern() {
    RadioSettings fresh;
    std::vector<int> pauses;
    for (const PacedWrite& w : BuildProgrammingFrame(fresh).writes) {
        pauses.push_back(w.pauseAfterMs);
    }
    return pauses;
}

bool ButtonsAre(COrvDlg& dlg, bool connect, bool disconnect, bool send) {
    return dlg.IsWindowEnabled(IDC_CONNECT) == connect && dlg.IsWindowEnabled(IDC_DISCONNECT) == disconnect &&
           dlg.IsWindowEnabled(IDC_SEND) == send;
}

} // namespace

class Connection : public QObject {
    Q_OBJECT

    std::unique_ptr<MessageBoxRecorder> boxes;
    std::unique_ptr<PtyRadio> radio;
    std::unique_ptr<COrvDlg> dlg;

    void PointCom1At(const std::string& device) { qputenv("VELMAR_COM1", QByteArray::fromStdString(device)); }

    void Connect() {
        boxes->clear();
        Click(*dlg, IDC_CONNECT);
        QCOMPARE(boxes->texts(), QStringList{"COM1 Port Open"});
        QVERIFY(ButtonsAre(*dlg, false, true, true));
        boxes->clear();
    }

    // Clicks Send and waits for it to end, checking the window stays alive meanwhile.
    void SendAndWait(const std::function<void()>& whileSending = {}) {
        int ticks = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
        tick.start(10);
        QElapsedTimer clock;
        clock.start();
        Click(*dlg, IDC_SEND);
        QVERIFY(dlg->IsSending());
        QVERIFY(ButtonsAre(*dlg, false, false, false));
        QVERIFY(QTest::qWaitFor([&] { return radio->Received().size() >= 10; }, 5000));
        QVERIFY(dlg->StatusLine()->Progress()->isVisible());
        if (whileSending) {
            whileSending();
        }
        QVERIFY(QTest::qWaitFor([&] { return !dlg->IsSending(); }, 15000));
        QVERIFY(ButtonsAre(*dlg, false, true, true));
        QVERIFY(clock.elapsed() >= kFramePauseTotalMs);
        // The window thread was free all along: a 10 ms timer kept firing.
        QVERIFY2(ticks > kFramePauseTotalMs / 10 / 2, qPrintable(QString::number(ticks)));
    }

private slots:
    void init() {
        boxes = std::make_unique<MessageBoxRecorder>();
        radio = std::make_unique<PtyRadio>();
        PointCom1At(radio->Device());
        dlg = OpenDialog();
    }
    void cleanup() {
        dlg.reset();
        radio.reset();
        boxes.reset();
        qunsetenv("VELMAR_COM1");
    }

    void connectWithoutDeviceFailsAndCanBeRetried() {
        PointCom1At("/nonexistent/velmar-com1");
        Click(*dlg, IDC_CONNECT);
        QCOMPARE(boxes->texts(), QStringList{"Port Ofen Fail"});
        QVERIFY(boxes->boxes[0].detail.contains("/nonexistent/velmar-com1"));
        QCOMPARE(boxes->boxes[0].caption, AfxGetAppName());
        QVERIFY(ButtonsAre(*dlg, true, false, false));
        QVERIFY(!dlg->m_comm.m_bPortOpen.load());

        PointCom1At(radio->Device());
        Connect();
        QVERIFY(dlg->StatusLine()->LinkText().contains(QString::fromStdString(radio->Device())));
    }

    void connectDisconnectConnect() {
        Connect();
        QVERIFY(dlg->StatusLine()->LinkText().endsWith("open"));
        Click(*dlg, IDC_DISCONNECT);
        QCOMPARE(boxes->texts(), QStringList{"COM1 Port Close"});
        QVERIFY(ButtonsAre(*dlg, true, false, false));
        QVERIFY(!dlg->m_comm.m_bPortOpen.load());
        QVERIFY(dlg->StatusLine()->LinkText().endsWith("closed"));
        Connect();

        // Connect cannot be clicked now; its handler still refuses a second open.
        dlg->OnConnect();
        QCOMPARE(boxes->texts(), QStringList{"Already Port open"});
        QVERIFY(ButtonsAre(*dlg, false, true, true));
    }

    void deviceHeldElsewhereIsReportedAsBusy() {
        CSerialLink other;
        QVERIFY(other.Open(radio->Device(), 4800, 8, 2, 0));
        Click(*dlg, IDC_CONNECT);
        QCOMPARE(boxes->texts(), QStringList{"Port Ofen Fail"});
        QVERIFY2(boxes->boxes[0].detail.contains("busy", Qt::CaseInsensitive), qPrintable(boxes->boxes[0].detail));
        QVERIFY(ButtonsAre(*dlg, true, false, false));
    }

    void readTakesWhatIsQueuedAndShowsIt() {
        // An empty queue: nothing but the members refreshed from the controls.
        Combo(*dlg, IDC_SCAN_DELAY)->setCurrentIndex(10);
        QCOMPARE(dlg->OnCommRead(0, 0), LRESULT(1));
        QCOMPARE(dlg->m_nRxCount, 0);
        QCOMPARE(dlg->m_record.m_nScanDelay, 10);

        for (std::uint8_t b = 1; b <= 10; ++b) {
            QVERIFY(dlg->m_comm.m_rxQueue.Put(b));
        }
        dlg->OnCommRead(0, 0);
        QCOMPARE(dlg->m_nRxCount, 10);
        QCOMPARE(dlg->m_comm.m_rxQueue.Count(), 0);

        // The radio answers over the line: the bytes come through the watch thread.
        Connect();
        Bytes reply;
        for (int i = 0; i < 20; ++i) {
            reply.push_back(static_cast<std::uint8_t>(0xA0 + i));
        }
        QVERIFY(radio->Reply(reply));
        QVERIFY(QTest::qWaitFor([&] { return dlg->m_nRxCount == 30; }, 5000));
        QCOMPARE(dlg->StatusLine()->ReceivedText(), QString("Received 30: A4A5A6A7A8A9AAABACADAEAFB0B1B2B3"));

        // Counting goes on across Disconnect and Connect.
        Click(*dlg, IDC_DISCONNECT);
        Connect();
        QVERIFY(radio->Reply({0x06}));
        QVERIFY(QTest::qWaitFor([&] { return dlg->m_nRxCount == 31; }, 5000));
        QVERIFY(boxes->boxes.empty());
    }

    void sendAfterStartWritesTheDefaultFramePaced() {
        Connect();
        SendAndWait([&] {
            // Changing the settings or clicking Send again must not touch the frame on its way.
            Combo(*dlg, IDC_SCAN_DELAY)->setCurrentIndex(10);
            Click(*dlg, IDC_MODE_LPD);
            Click(*dlg, IDC_SEND);
            dlg->OnSend();
        });
        QTest::qWait(200);
        QCOMPARE(radio->Received(), ExpectedFrame({0xFF, 0xFF}, 0x00, 0x88));
        QCOMPARE(dlg->StatusLine()->SendText(), QString("Sent 258 bytes, checksum 0x88"));
        QVERIFY(!dlg->StatusLine()->Progress()->isVisible());

        // 141 writes, each after at least its pause (1 ms is the reader's own jitter).
        const auto arrivals = radio->Arrivals();
        std::vector<Clock::time_point> starts{arrivals.front().at};
        for (std::size_t i = 1; i < arrivals.size(); ++i) {
            if (arrivals[i].at - arrivals[i - 1].at > std::chrono::milliseconds(10)) {
                starts.push_back(arrivals[i].at);
            }
        }
        QCOMPARE(starts.size(), std::size_t(kFrameWriteCount));
        const std::vector<int> pauses = PausePattern();
        for (std::size_t i = 1; i < starts.size(); ++i) {
            const auto gap = std::chrono::duration_cast<std::chrono::microseconds>(starts[i] - starts[i - 1]);
            QVERIFY2(gap.count() >= pauses[i - 1] * 1000 - 1000,
                     qPrintable(QString("gap %1: %2 us < %3 ms").arg(i).arg(gap.count()).arg(pauses[i - 1])));
        }
        QVERIFY(boxes->boxes.empty());
    }

    void sendInGroupModeWithOneChannel() {
        Click(*dlg, IDC_MODE_GROUP);
        QTest::keyClicks(Edit(*dlg, 0), "446.00625");
        Connect();
        SendAndWait();
        QTest::qWait(100);
        QCOMPARE(radio->Received(), ExpectedFrame({0x1C, 0xC1, 0xFF, 0xFF}, 0x02, 0x69));
        QCOMPARE(dlg->StatusLine()->SendText(), QString("Sent 258 bytes, checksum 0x69"));
    }

    void closingTheWindowDuringSendStopsItCleanly() {
        Connect();
        Click(*dlg, IDC_SEND);
        QVERIFY(QTest::qWaitFor([&] { return radio->Received().size() >= 20; }, 5000));
        QElapsedTimer clock;
        clock.start();
        dlg->close();
        dlg.reset();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(300);
        const std::size_t got = radio->Received().size();
        QVERIFY(got >= 20 && got < 258);

        // The port was released: it opens again at once.
        CSerialLink again;
        QVERIFY(again.Open(radio->Device(), 4800, 8, 2, 0));
        QVERIFY(boxes->boxes.empty());
    }
};

QTEST_MAIN(Connection)
#include "tst_connection.moc"
