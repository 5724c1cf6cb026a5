// The dialog layer on its own: dialog units, building from a template, data
// exchange, the message map, message boxes, posted calls and the room below
// the template.

#include "UiTestSupport.h"

#include "Dialog.h"
#include "DialogTemplate.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QThread>

#include <atomic>
#include <thread>

using namespace velmar;
using namespace velmar::test;

namespace {

constexpr UINT WM_TEST = WM_USER + 7;

// A dialog on the settings template with a map of its own, to see what runs.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_ORV_DIALOG) {
        MapCommand(BN_CLICKED, IDC_CONNECT, &ProbeDialog::OnConnect);
        MapCommandRange(EN_CHANGE, IDC_CH1, IDC_CH8, &ProbeDialog::OnChange);
        MapMessage(WM_TEST, &ProbeDialog::OnTest);
        MapCommandRange(BN_CLICKED, IDC_CTCSS_DISABLE, IDC_CTCSS_DISABLE, &ProbeDialog::OnRadio);
        MapCommandRange(BN_CLICKED, IDC_CTCSS_38, IDC_CTCSS_38, &ProbeDialog::OnRadio);
    }
    std::vector<int> radioClicks;
    void OnRadio(int id) { radioClicks.push_back(id); }
    int connects = 0;
    std::vector<int> changes;
    std::vector<std::pair<WPARAM, LPARAM>> posted;
    QThread* postedOn = nullptr;
    std::string text;
    int ctcss = 0;
    bool notifyDuringExchange = false;

    LRESULT OnTest(WPARAM w, LPARAM l) {
        posted.emplace_back(w, l);
        postedOn = QThread::currentThread();
        return 1;
    }
    void OnConnect() { ++connects; }
    void OnChange(int id) { changes.push_back(id); }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (notifyDuringExchange) {
            SendNotify(EN_CHANGE, IDC_CH1);
            SendNotify(BN_CLICKED, IDC_CONNECT);
        }
        DDX_Text(pDX, IDC_CH1, text);
        DDV_MaxChars(pDX, text, 9);
        DDX_Radio(pDX, IDC_CTCSS_DISABLE, ctcss);
    }
};

} // namespace

class DialogLayer : public QObject {
    Q_OBJECT

private slots:
    void mulDivRoundsLikeThePlatform() {
        QCOMPARE(MulDiv(5, 7, 4), 9); // 8.75
        QCOMPARE(MulDiv(3, 7, 4), 5); // 5.25
        QCOMPARE(MulDiv(2, 7, 4), 4); // 3.5 rounds away from zero
        QCOMPARE(MulDiv(-2, 7, 4), -4);
        QCOMPARE(MulDiv(1, 1, 0), -1);
        QCOMPARE(MulDiv(315, 7, 4), 551);
        QCOMPARE(MulDiv(310, 14, 8), 543);
    }

    void memberTextHasOneByteForEachVisibleCharacter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("firstHigh"); // index of the first byte >= 0x80, -1 for none
        QTest::newRow("ascii") << "446.00625" << 9 << -1;
        QTest::newRow("latin") << QStringLiteral("44é") << 3 << 2;
        QTest::newRow("hangul") << QStringLiteral("확인") << 2 << 0;
        QTest::newRow("emoji, two code units") << QStringLiteral("4😀6") << 3 << 1;
        QTest::newRow("combining accent") << QStringLiteral("e\u0301x") << 2 << 0;
        QTest::newRow("empty") << "" << 0 << -1;
    }

    void memberTextHasOneByteForEachVisibleCharacter() {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(int, firstHigh);
        const std::string bytes = ToMemberText(text);
        QCOMPARE(static_cast<int>(bytes.size()), length);
        int high = -1;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (static_cast<unsigned char>(bytes[i]) >= 0x80) {
                high = static_cast<int>(i);
                break;
            }
        }
        QCOMPARE(high, firstHigh);
        if (firstHigh < 0) {
            QCOMPARE(FromMemberText(bytes), text);
        }
    }

    void controlsComeFromTheTemplate() {
        ProbeDialog dlg;
        dlg.Create();
        const res::DialogTemplate& t = *res::FindDialog(IDD_ORV_DIALOG);
        const DialogUnits& u = dlg.Units();
        QVERIFY(u.baseX > 0 && u.baseY > 0);
        int groupBoxes = 0;
        for (const res::ControlTemplate& row : t.controls) {
            if (row.kind == res::Kind::GroupBox) {
                ++groupBoxes;
                continue;
            }
            if (row.id == res::kNoId) {
                continue;
            }
            QWidget* w = dlg.GetDlgItem(row.id);
            QVERIFY2(w, qPrintable(QString::number(row.id)));
            const QRect r(w->mapTo(&dlg, QPoint(0, 0)), w->size());
            const QRect expected = u.ToPixels(row.rect);
            QCOMPARE(r.topLeft(), expected.topLeft());
            switch (row.kind) {
            case res::Kind::PushButton:
                QVERIFY(qobject_cast<QPushButton*>(w));
                QCOMPARE(r.size(), expected.size());
                break;
            case res::Kind::RadioButton:
                QVERIFY(qobject_cast<QRadioButton*>(w));
                QVERIFY(qobject_cast<QGroupBox*>(w->parentWidget()));
                QVERIFY(r.width() >= expected.width()); // grown to its text where needed
                QCOMPARE(r.height(), expected.height());
                break;
            case res::Kind::Edit:
                QVERIFY(qobject_cast<QLineEdit*>(w));
                QCOMPARE(r.size(), expected.size());
                QCOMPARE(static_cast<QLineEdit*>(w)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
                break;
            case res::Kind::ComboBox:
                QVERIFY(qobject_cast<QComboBox*>(w));
                QCOMPARE(r.width(), expected.width());
                QCOMPARE(static_cast<QComboBox*>(w)->count(), static_cast<int>(row.items.size()));
                break;
            case res::Kind::Static:
                QVERIFY(qobject_cast<QLabel*>(w));
                QVERIFY(r.width() >= expected.width());
                break;
            default:
                break;
            }
        }
        QCOMPARE(dlg.findChildren<QGroupBox*>().size(), groupBoxes);
        // A radio group runs from its first button to the next group start,
        // over the controls between that are not radios.
        QCOMPARE(dlg.RadioGroup(IDC_SPACING_12K5).size(), std::size_t{2});
        QCOMPARE(dlg.RadioGroup(IDC_MODE_PMR).size(), std::size_t{4});
        QCOMPARE(dlg.RadioGroup(IDC_MODE_PMR).back(), dlg.GetDlgItem(IDC_MODE_PMR_LPD));
        QVERIFY(dlg.RadioGroup(IDC_MODE_LPD).empty());
        QVERIFY(qobject_cast<QPushButton*>(dlg.GetDlgItem(IDC_CONNECT))->isDefault());
    }

    void exchangeBothWaysAndRadioNoneIsMinusOne() {
        ProbeDialog dlg;
        dlg.Create();
        // The template checks no radio: nothing is checked until the record says.
        dlg.ctcss = -1;
        dlg.UpdateData(false);
        dlg.ctcss = 5;
        QVERIFY(dlg.UpdateData(true));
        QCOMPARE(dlg.ctcss, -1);
        dlg.ctcss = 2;
        dlg.UpdateData(false);
        QVERIFY(dlg.GetDlgItemAs<QRadioButton>(IDC_CTCSS_50)->isChecked());
        dlg.ctcss = -1;
        dlg.UpdateData(false);
        QVERIFY(!dlg.GetDlgItemAs<QRadioButton>(IDC_CTCSS_50)->isChecked());
        dlg.UpdateData(true);
        QCOMPARE(dlg.ctcss, -1);

        // The length rule refuses a longer text; the edit itself never takes
        // one from the operator, but a program may put one there.
        dlg.GetDlgItemAs<QLineEdit>(IDC_CH1)->setText("1234567890");
        MessageBoxRecorder boxes;
        dlg.ctcss = 7;
        QVERIFY(!dlg.UpdateData(true));
        QCOMPARE(boxes.texts(), QStringList{"Please enter no more than 9 characters."});
        QCOMPARE(dlg.ctcss, 7); // the exchange stopped at the edit
    }

    void notificationsDuringAnExchangeAreDropped() {
        ProbeDialog dlg;
        dlg.Create();
        dlg.show();
        dlg.notifyDuringExchange = true;
        dlg.UpdateData(true);
        dlg.UpdateData(false);
        QVERIFY(dlg.changes.empty());
        QCOMPARE(dlg.connects, 0);
        QVERIFY(!dlg.IsExchanging());
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

    void everyWayOfWorkingAControlNotifiesOnce() {
        ProbeDialog dlg;
        dlg.Create();
        dlg.show();
        QWidget* disable = dlg.GetDlgItem(IDC_CTCSS_DISABLE);
        QWidget* r38 = dlg.GetDlgItem(IDC_CTCSS_38);
        QTest::mouseClick(r38, Qt::LeftButton, {}, r38->rect().center());
        QTest::mouseClick(r38, Qt::LeftButton, {}, r38->rect().center()); // already checked: still a click
        QCOMPARE(dlg.radioClicks, (std::vector<int>{IDC_CTCSS_38, IDC_CTCSS_38}));
        // A radio checked through assistive technology only toggles.
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(disable);
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(dlg.radioClicks.size(), std::size_t{3});
        QCOMPARE(dlg.radioClicks.back(), IDC_CTCSS_DISABLE);
        QVERIFY(!static_cast<QRadioButton*>(r38)->isChecked());
        // The keyboard: space on the focused radio.
        r38->setFocus();
        QTest::keyClick(r38, Qt::Key_Space);
        QCOMPARE(dlg.radioClicks.size(), std::size_t{4});
        // The exchange checks radios without a notification.
        dlg.ctcss = 0;
        dlg.UpdateData(false);
        QCOMPARE(dlg.radioClicks.size(), std::size_t{4});
        QVERIFY(static_cast<QRadioButton*>(disable)->isChecked());

        // Text set through assistive technology is a change like typing.
        QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(dlg.GetDlgItem(IDC_CH1 + 4));
        edit->editableTextInterface()->insertText(0, "44");
        QCOMPARE(dlg.changes, std::vector<int>{IDC_CH1 + 4});
    }

    void enablingById() {
        ProbeDialog dlg;
        dlg.Create();
        dlg.EnableWindow(IDC_SEND, false);
        QVERIFY(!dlg.IsWindowEnabled(IDC_SEND));
        QVERIFY(!dlg.GetDlgItem(IDC_SEND)->isEnabled());
        dlg.EnableWindow(IDC_SEND, true);
        QVERIFY(dlg.IsWindowEnabled(IDC_SEND));
        dlg.EnableWindow(4711, false); // no such control: nothing happens
        QVERIFY(!dlg.IsWindowEnabled(4711));
    }

    void messageBoxesCarryTheApplicationsName() {
        ProbeDialog dlg;
        dlg.Create();
        MessageBoxRecorder boxes;
        QCOMPARE(dlg.MessageBox("COM1 Port Open"), IDOK);
        QCOMPARE(AfxMessageBox("Port Ofen Fail", MB_OK, "/dev/ttyS0: no such device"), IDOK);
        QCOMPARE(boxes.texts(), (QStringList{"COM1 Port Open", "Port Ofen Fail"}));
        for (const auto& b : boxes.boxes) {
            QCOMPARE(b.caption, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
            QCOMPARE(b.buttons, QStringList{"OK"});
            QVERIFY(!b.hasIcon);
        }
        QCOMPARE(boxes.boxes[0].owner.data(), static_cast<QWidget*>(&dlg));
        QCOMPARE(boxes.boxes[1].detail, QStringLiteral("/dev/ttyS0: no such device"));
        boxes.answer = IDCANCEL;
        QCOMPARE(dlg.MessageBox("?", {}, MB_OKCANCEL), IDCANCEL);
        QCOMPARE(boxes.boxes.back().buttons, (QStringList{"OK", "Cancel"}));
    }

    void boxesFromAnotherThreadAreQueued() {
        ProbeDialog dlg;
        dlg.Create();
        MessageBoxRecorder boxes;
        std::atomic<int> answer{0};
        QThread* shownOn = nullptr;
        boxes.onShow = [&](QMessageBox&) { shownOn = QThread::currentThread(); };
        std::thread worker([&] { answer = AfxMessageBox("buff full"); });
        worker.join(); // returned without waiting for the window thread
        QCOMPARE(answer.load(), IDOK);
        QVERIFY(boxes.boxes.empty());
        QTRY_COMPARE(boxes.texts(), QStringList{"buff full"});
        QCOMPARE(shownOn, qApp->thread());
    }

    void postedMessagesRunOnTheWindowThreadInOrder() {
        ProbeDialog dlg;
        dlg.Create();
        std::thread worker([&] {
            dlg.PostMessage(WM_TEST, 1, 2);
            dlg.PostMessage(WM_TEST, 3, 4);
            dlg.PostMessage(WM_TEST + 1); // nobody maps it
        });
        worker.join();
        QVERIFY(dlg.posted.empty()); // queued, not run by the poster
        QTRY_COMPARE(dlg.posted.size(), std::size_t{2});
        QCOMPARE(dlg.posted[0], (std::pair<WPARAM, LPARAM>{1, 2}));
        QCOMPARE(dlg.posted[1], (std::pair<WPARAM, LPARAM>{3, 4}));
        QCOMPARE(dlg.postedOn, qApp->thread());
        bool ran = false;
        dlg.PostCall([&] { ran = true; });
        QVERIFY(!ran);
        QTRY_VERIFY(ran);
    }

    void roomBelowTheTemplate() {
        ProbeDialog dlg;
        dlg.Create();
        const QSize before = dlg.size();
        const QPoint send = dlg.GetDlgItem(IDC_SEND)->pos();
        auto* status = new QLabel("status");
        dlg.AddBelowTemplate(status);
        QCOMPARE(dlg.size(), QSize(before.width(), before.height() + status->height()));
        QCOMPARE(status->geometry(), QRect(0, before.height(), before.width(), status->height()));
        QVERIFY(status->height() > 0);
        QCOMPARE(dlg.GetDlgItem(IDC_SEND)->pos(), send);
        QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    }
};

QTEST_MAIN(DialogLayer)
#include "tst_dialoglayer.moc"
