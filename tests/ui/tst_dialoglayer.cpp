// The dialog layer on its own: data exchange, the message map and message boxes.

#include "UiTestSupport.h"

#include "Dialog.h"

#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <thread>

using namespace velmar;
using namespace velmar::test;

namespace {

// A dialog on the settings template with a map of its own, to see what runs.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_ORV_DIALOG) {
        MapCommand(BN_CLICKED, IDC_CONNECT, &ProbeDialog::OnConnect);
        MapCommandRange(EN_CHANGE, IDC_CH1, IDC_CH8, &ProbeDialog::OnChange);
        Create();
        show();
    }
    int connects = 0;
    std::vector<int> changes;
    std::string text;
    int ctcss = 0;
    bool notifyDuringExchange = false;

    void OnConnect() { ++connects; }
    void OnChange(int id) { changes.push_back(id); }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (notifyDuringExchange) {
            SendNotify(EN_CHANGE, IDC_CH1);
            SendNotify(BN_CLICKED, IDC_CONNECT);
        }
        DDX_Text(pDX, IDC_CH1, text);
        DDX_Radio(pDX, IDC_CTCSS_DISABLE, ctcss);
    }
};

} // namespace

class DialogLayer : public QObject {
    Q_OBJECT

private slots:
    void exchangeBothWaysAndRadioNoneIsMinusOne() {
        ProbeDialog dlg;
        dlg.ctcss = 2;
        dlg.UpdateData(false);
        QVERIFY(Checked(dlg, IDC_CTCSS_50));
        // -1 unchecks every radio of the group, and reads back as -1.
        dlg.ctcss = -1;
        dlg.UpdateData(false);
        QVERIFY(!Checked(dlg, IDC_CTCSS_50) && !Checked(dlg, IDC_CTCSS_DISABLE));
        dlg.ctcss = 5;
        QVERIFY(dlg.UpdateData(true));
        QCOMPARE(dlg.ctcss, -1);
    }

    void notificationsDuringAnExchangeAreDropped() {
        ProbeDialog dlg;
        dlg.notifyDuringExchange = true;
        dlg.UpdateData(true);
        dlg.UpdateData(false);
        QVERIFY(dlg.changes.empty() && dlg.connects == 0 && !dlg.IsExchanging());
        // The same notifications outside an exchange run their handlers.
        QTest::keyClicks(dlg.GetDlgItem(IDC_CH1 + 2), "4");
        QTest::mouseClick(dlg.GetDlgItem(IDC_CONNECT), Qt::LeftButton);
        QCOMPARE(dlg.changes, std::vector<int>{IDC_CH1 + 2});
        QCOMPARE(dlg.connects, 1);
        // Text the dialog writes itself is no operator change.
        dlg.text = "123";
        dlg.notifyDuringExchange = false;
        dlg.UpdateData(false);
        QCOMPARE(dlg.changes.size(), std::size_t{1});
    }

    void messageBoxesCarryTheApplicationsName() {
        ProbeDialog dlg;
        MessageBoxRecorder boxes;
        QCOMPARE(dlg.MessageBox("COM1 Port Open"), IDOK);
        QCOMPARE(AfxMessageBox("Port Ofen Fail", MB_OK, "/dev/ttyS0: no such device"), IDOK);
        QCOMPARE(boxes.texts(), (QStringList{"COM1 Port Open", "Port Ofen Fail"}));
        for (const auto& b : boxes.boxes) {
            QCOMPARE(b.caption, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
            QVERIFY(b.buttons == QStringList{"OK"} && !b.hasIcon);
        }
        QCOMPARE(boxes.boxes[0].owner.data(), static_cast<QWidget*>(&dlg));
        QCOMPARE(boxes.boxes[1].detail, QStringLiteral("/dev/ttyS0: no such device"));
        // From another thread the box is queued to the window thread; the caller does not wait.
        boxes.clear();
        QThread* shownOn = nullptr;
        boxes.onShow = [&](QMessageBox&) { shownOn = QThread::currentThread(); };
        std::atomic<int> answer{0};
        std::thread([&] { answer = AfxMessageBox("buff full"); }).join();
        QCOMPARE(answer.load(), IDOK);
        QVERIFY(boxes.boxes.empty());
        QTRY_COMPARE(boxes.texts(), QStringList{"buff full"});
        QCOMPARE(shownOn, qApp->thread());
    }
};

QTEST_MAIN(DialogLayer)
#include "tst_dialoglayer.moc"
