// Connect, Disconnect, the radio's reply and Send, with a pseudo-terminal as
// the radio's end of the line.

#include "UiTestSupport.h"

#include "ProgrammingFrame.h"
#include "PtyRadio.h"
#include "WinApp.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>

#include <numeric>
#include <thread>

using namespace velmar;
using namespace velmar::test;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The frame Send puts on the line for a setting; its bytes are the model's tests.
Bytes FrameOf(RadioSettings s) {
    const auto bytes = BuildProgrammingFrame(s).bytes;
    return {bytes.begin(), bytes.end()};
}

bool ButtonsAre(COrvDlg& dlg, bool connect, bool disconnect, bool send) {
    return dlg.IsWindowEnabled(IDC_CONNECT) == connect && dlg.IsWindowEnabled(IDC_DISCONNECT) == disconnect &&
           dlg.IsWindowEnabled(IDC_SEND) == send;
}

const auto PointCom1At = [](const std::string& device) { qputenv("VELMAR_COM1", QByteArray::fromStdString(device)); };

} // namespace

class Connection : public QObject {
    Q_OBJECT

    std::unique_ptr<MessageBoxRecorder> boxes;
    std::unique_ptr<PtyRadio> radio;
    std::unique_ptr<COrvDlg> dlg;

    // Clicks Connect; with a `failure`, expects "Port Ofen Fail" whose detail names it.
    void Connect(const QString& failure = {}) {
        const bool ok = failure.isEmpty();
        boxes->clear();
        Click(*dlg, IDC_CONNECT);
        QCOMPARE(boxes->texts(), QStringList{ok ? "COM1 Port Open" : "Port Ofen Fail"});
        QVERIFY2(ok || boxes->boxes[0].detail.contains(failure, Qt::CaseInsensitive), qPrintable(failure));
        QVERIFY(ButtonsAre(*dlg, !ok, ok, ok) && dlg->StatusLine()->LinkText().endsWith(ok ? ", open" : ", closed"));
        boxes->clear();
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
        boxes.reset(); // before the next one hooks in
        qunsetenv("VELMAR_COM1");
    }

    void connectFailuresSayWhyThenConnectDisconnectConnect() {
        {
            CProgrammingSession other;
            QVERIFY(other.Open(radio->Device()));
            Connect("busy");
        }
        Connect();
        QVERIFY(dlg->StatusLine()->LinkText().contains(QString::fromStdString(radio->Device())));
        Click(*dlg, IDC_DISCONNECT);
        QCOMPARE(boxes->texts(), QStringList{"COM1 Port Close"});
        QVERIFY(ButtonsAre(*dlg, true, false, false) && dlg->StatusLine()->LinkText().endsWith(", closed"));
        Connect();
        // Connect cannot be clicked now; its handler still refuses a second open.
        dlg->OnConnect();
        QCOMPARE(boxes->texts(), QStringList{"Already Port open"});
        QVERIFY(ButtonsAre(*dlg, false, true, true));
    }

    void readTakesWhatIsQueuedAndShowsIt() {
        // Bytes handled while "Please Input Integer" stands cannot bring the rejected text back.
        Click(*dlg, IDC_MODE_GROUP);
        Connect();
        boxes->onShow = [&](QMessageBox&) {
            QVERIFY(radio->Send({0x55}));
            QVERIFY(QTest::qWaitFor([&] { return dlg->m_nRxCount == 1; }, 5000));
        };
        QTest::keyClicks(Edit(*dlg, 0), "4a");
        QVERIFY(Edit(*dlg, 0)->text().isEmpty() && Code(*dlg, 0, 0) == "ffff" && dlg->m_nRxCount == 1);
        boxes->onShow = nullptr;
        boxes->clear();
        QCOMPARE(dlg->OnCommRead(0, 0), LRESULT(1));
        dlg->m_nRxCount = 0;
        Bytes ten(10);
        std::iota(ten.begin(), ten.end(), std::uint8_t{1});
        QVERIFY(radio->Send(ten));
        QVERIFY(QTest::qWaitFor([&] { return dlg->m_nRxCount == 10; }, 5000));
        Click(*dlg, IDC_DISCONNECT);
        dlg->m_nRxCount = 10;
        // The radio answers over the line: the bytes come through the watch thread.
        Connect();
        Bytes reply(20);
        std::iota(reply.begin(), reply.end(), std::uint8_t{0xA0});
        QVERIFY(radio->Send(reply));
        QVERIFY(QTest::qWaitFor([&] { return dlg->m_nRxCount == 30; }, 5000));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return dlg->StatusLine()->ReceivedText() ==
                       "Received 30: A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF B0 B1 B2 B3";
            },
            1000));
        // Counting goes on across Disconnect and Connect.
        Click(*dlg, IDC_DISCONNECT);
        Connect();
        QVERIFY(radio->Send({0x06}));
        QVERIFY(QTest::qWaitFor([&] { return dlg->m_nRxCount == 31; }, 5000));
        QVERIFY(boxes->boxes.empty());
    }

    void sendWritesTheFrameWhileTheWindowStaysFree() {
        Connect();
        int ticks = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
        tick.start(10);
        const RadioSettings sent = dlg->m_record; // the bytes, the writes and their pauses follow from it
        QElapsedTimer clock;
        clock.start();
        Click(*dlg, IDC_SEND);
        QVERIFY(dlg->IsSending() && ButtonsAre(*dlg, false, false, false));
        QVERIFY(QTest::qWaitFor([&] { return radio->Received().size() >= 10; }, 5000));
        QVERIFY(dlg->StatusLine()->Progress()->isVisible());
        // Changing the settings or clicking Send again must not touch the frame on its way.
        Combo(*dlg, IDC_SCAN_DELAY)->setCurrentIndex(10);
        Click(*dlg, IDC_MODE_LPD);
        Click(*dlg, IDC_SEND);
        dlg->OnSend();
        QVERIFY(QTest::qWaitFor([&] { return !dlg->IsSending(); }, 15000));
        QVERIFY(ButtonsAre(*dlg, false, true, true));
        QVERIFY(clock.elapsed() >= kFramePauseTotalMs);
        // The window thread was free all along: a 10 ms timer kept firing (a Send holding it would allow one tick;
        // a loaded machine may lose many).
        QVERIFY2(ticks > kFramePauseTotalMs / 100, qPrintable(QString::number(ticks)));
        QTest::qWait(200);
        const Bytes expected = FrameOf(sent);
        QCOMPARE(radio->Received(), expected);
        QCOMPARE(dlg->StatusLine()->SendText(), QString::asprintf("Sent 258 bytes, checksum 0x%02X", expected.back()));
        QVERIFY(!dlg->StatusLine()->Progress()->isVisible());

        QVERIFY(boxes->boxes.empty());
    }

    // Radio > Connect, Disconnect and Send are the buttons by menu and keys: enabled exactly as they are, through a
    // connection and a Send, and doing what a click does.
    void theRadioMenuFollowsTheButtons() {
        QMenu* menu = MenuNamed(*dlg, "&Radio");
        QVERIFY(menu != nullptr);
        const QList<QAction*> entries = menu->actions();
        QCOMPARE(entries.size(), 3);
        const auto same = [&] {
            return entries[0]->isEnabled() == dlg->IsWindowEnabled(IDC_CONNECT) &&
                   entries[1]->isEnabled() == dlg->IsWindowEnabled(IDC_DISCONNECT) &&
                   entries[2]->isEnabled() == dlg->IsWindowEnabled(IDC_SEND);
        };
        QVERIFY(same() && entries[0]->isEnabled() && !entries[2]->isEnabled());
        QTest::keyClick(Edit(*dlg, 0), Qt::Key_F5); // Connect, with the focus in a channel edit
        QVERIFY(ButtonsAre(*dlg, false, true, true) && same());
        boxes->clear();
        entries[2]->trigger();
        QVERIFY(dlg->IsSending() && same() && !entries[2]->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return !dlg->IsSending(); }, 15000));
        QVERIFY(same() && entries[2]->isEnabled());
        entries[1]->trigger();
        QVERIFY(ButtonsAre(*dlg, true, false, false) && same());
    }

    // Escape and a close during a Send never cut the frame; a signal closes the same way.
    void aCloseOrASignalWaitsForTheWholeFrameAndGivesThePortBack() {
        Connect();
        Click(*dlg, IDC_SEND);
        QVERIFY(QTest::qWaitFor([&] { return radio->Received().size() >= 20; }, 5000));
        QTest::keyClick(dlg.get(), Qt::Key_Escape);
        dlg->close();
        QVERIFY(dlg->isVisible() && dlg->IsSending());
        QCOMPARE(dlg->StatusLine()->NoteText(), QString("Closing after the Send…"));
        QVERIFY(QTest::qWaitFor([&] { return !dlg->isVisible(); }, 15000));
        QTRY_COMPARE(radio->Received(), FrameOf({}));
        radio = std::make_unique<PtyRadio>();

        LineSettings before, after;
        QVERIFY(ReadLineSettings(radio->Master(), &before));
        QProcess velmar;
        velmar.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELMAR_COM1", QString::fromStdString(radio->Device()));
        velmar.setProcessEnvironment(env);
        velmar.start(QCoreApplication::applicationFilePath(), {"--connect-send-and-wait"});
        QVERIFY(QTest::qWaitFor([&] { return radio->Received().size() >= 20; }, 10000));
        velmar.terminate();
        QVERIFY(velmar.waitForFinished(15000));
        QCOMPARE(velmar.exitStatus(), QProcess::NormalExit);
        QTest::qWait(100);
        QCOMPARE(radio->Received(), FrameOf({}));
        QVERIFY(ReadLineSettings(radio->Master(), &after));
        QVERIFY(after == before);
        CProgrammingSession again; // no exclusive hold is left behind
        QVERIFY(again.Open(radio->Device()));
    }

    // A hang-up ends the Send at once and says so; a Disconnect during a Send leaves Send working.
    void aSendEndsHonestlyAndSendWorksAgain() {
        Connect();
        Click(*dlg, IDC_SEND);
        QVERIFY(QTest::qWaitFor([&] { return radio->Received().size() >= 20; }, 5000));
        const auto got = radio->Received().size();
        radio->HangUp();
        // At once: the count below shows the frame ended short, not after its pauses.
        QVERIFY(QTest::qWaitFor([&] { return !dlg->IsSending(); }, 10000));
        const QString text = dlg->StatusLine()->SendText();
        const int sent = text.section(' ', 1, 1).toInt();
        QVERIFY2(sent >= static_cast<int>(got) && sent < kFrameSize, qPrintable(text));
        QCOMPARE(text, QString("Sent %1 of 258 bytes: the line hung up (the cable or adapter was disconnected, or the "
                               "other side closed)")
                           .arg(sent));
        QVERIFY(dlg->StatusLine()->LinkText().endsWith("the line hung up"));
        Click(*dlg, IDC_DISCONNECT);

        radio = std::make_unique<PtyRadio>();
        PointCom1At(radio->Device());
        Connect();
        QVERIFY(radio->Send({0x15}));
        QVERIFY(QTest::qWaitFor([&] { return dlg->StatusLine()->ReceivedText().endsWith(": 15"); }, 3000));
        Click(*dlg, IDC_SEND);
        QCOMPARE(dlg->StatusLine()->ReceivedText(), QString("Received %1").arg(dlg->m_nRxCount));
        QVERIFY(QTest::qWaitFor([&] { return radio->Received().size() >= 10; }, 5000));
        dlg->OnDisconnect(); // however it comes
        boxes->clear();
        QVERIFY(!dlg->IsSending() && dlg->StatusLine()->SendText().endsWith("stopped by Disconnect"));
        radio = std::make_unique<PtyRadio>();
        PointCom1At(radio->Device());
        Connect();
        Click(*dlg, IDC_SEND);
        QVERIFY(dlg->IsSending());
        QVERIFY(QTest::qWaitFor([&] { return !dlg->IsSending(); }, 15000));
        QCOMPARE(radio->Received(), FrameOf({}));

        // Held up in mid-frame past the radio's time-out: every byte went out, yet it is not called sent.
        dlg->SetBeforeWrite([](int index) {
            if (index == 60) {
                std::this_thread::sleep_for(std::chrono::milliseconds(kRadioFrameTimeoutMs + 300));
            }
        });
        Click(*dlg, IDC_SEND);
        QVERIFY(QTest::qWaitFor([&] { return !dlg->IsSending(); }, 15000));
        dlg->SetBeforeWrite({});
        QVERIFY2(dlg->StatusLine()->SendText().startsWith("Sent 258 bytes, checksum 0x") &&
                     dlg->StatusLine()->SendText().contains(", but the line stalled for ") &&
                     dlg->StatusLine()->SendText().endsWith("it may not have taken the frame; send again"),
                 qPrintable(dlg->StatusLine()->SendText()));
    }

    // A text too long for an edit arrives whole while the radio talks: one box, no stale Send.
    void aFailedCheckOpensOneBoxAndSendsNothing() {
        Click(*dlg, IDC_MODE_GROUP);
        Connect();
        int nested = 0;
        boxes->onShow = [&](QMessageBox&) {
            // While the box stands, the radio talks and Send is tried: neither opens another box.
            radio->Send({0x06, 0x06});
            QTest::qWait(50);
            const int before = static_cast<int>(boxes->boxes.size());
            dlg->OnSend();
            nested += static_cast<int>(boxes->boxes.size()) - before;
        };
        Edit(*dlg, 0)->setText("4460062500000");
        QCOMPARE(boxes->texts(), QStringList{"Please enter no more than 9 characters."});
        QCOMPARE(nested, 0);
        boxes->onShow = nullptr;
        boxes->clear();
        for (int i = 0; i < 20; ++i) {
            QVERIFY(radio->Send({0x06}));
            QTest::qWait(5);
        }
        QVERIFY(QTest::qWaitFor([&] { return dlg->m_nRxCount >= 22; }, 3000));
        QVERIFY(boxes->boxes.empty());
        Click(*dlg, IDC_SEND);
        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QVERIFY(!dlg->IsSending());
        QTest::qWait(200);
        QVERIFY(radio->Received().empty());
    }
};

namespace {

// The program as a user runs it, for the signal test: Connect and Send, then run until something closes it.
class SendingApp : public CWinApp {
public:
    bool InitInstance() override {
        MessageBoxRecorder boxes;
        COrvDlg dlg;
        m_pMainWnd = &dlg;
        dlg.Create();
        dlg.show();
        dlg.OnConnect();
        dlg.OnSend();
        dlg.exec();
        m_pMainWnd = nullptr;
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--connect-send-and-wait") {
        SendingApp app;
        return app.Run(argc, argv);
    }
    QApplication app(argc, argv);
    Connection test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_connection.moc"
