// Channel entry, group, spacing and mode selection through the window: real
// key events, clicks, the clipboard, the message box, and what lands in the
// group tables. The entry rules themselves are the model's tests.

#include "UiTestSupport.h"
#include "Words.h"

#include "ChannelEntry.h"
#include "ChannelPlans.h"
#include "ProgrammingFrame.h"

#include <QMenu>

#include <algorithm>
#include <random>
#include <tuple>

using namespace velmar;
using namespace velmar::test;

namespace {

const QStringList kPleaseInputInteger{QStringLiteral("Please Input Integer")};

// Types `text` key by key, each key carrying its text as an input method delivers it.
void Type(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void TypeChannels(COrvDlg& dlg) {
    QTest::keyClicks(Edit(dlg, 0), "446.00625");
    QTest::keyClicks(Edit(dlg, 7), "500.00000");
}

// Every edit blank and, when `group` is given, every code of that group empty.
bool Blank(COrvDlg& dlg, int group = -1) {
    for (int c = 0; c < 8; ++c) {
        if (!Edit(dlg, c)->text().isEmpty() || (group >= 0 && !Code(dlg, group, c).empty())) {
            return false;
        }
    }
    return true;
}

} // namespace

class ChannelEntry : public QObject {
    Q_OBJECT

    std::unique_ptr<COrvDlg> dlg;
    std::unique_ptr<MessageBoxRecorder> boxes;

private slots:
    void init() {
        boxes = std::make_unique<MessageBoxRecorder>();
        dlg = OpenDialog();
        Click(*dlg, IDC_MODE_GROUP);
    }
    void cleanup() {
        dlg.reset();
        boxes.reset(); // before the next one hooks in
    }

    // Keys and the clipboard reach the entry. The box for a bad character comes once, owned by the dialog, while
    // the failing text still stands; the edit counts characters as the operator sees them.
    void keysAndClipboardReachTheEntry() {
        const std::tuple<bool, QString, const char*, const char*, bool> cases[] = {
            // typed (else pasted), text, shown, code, "Please Input Integer"
            {true, "450.12345", "450.11875", "1f53", false},
            {true, "44x", "", "ffff", true},
            {false, QStringLiteral("12345678😀"), "", "ffff", true},       // nine characters, the last an emoji
            {false, QStringLiteral("446.0062e\u0301"), "", "ffff", true}, // an accent joins its letter
            {false, "410.000000", "", "", false},                         // ten characters: refused by the edit
            {false, QString(QStringLiteral("😀")).repeated(10), "", "", false},
        };
        QLineEdit* edit = Edit(*dlg, 7);
        for (const auto& [typed, text, shown, code, message] : cases) {
            edit->clear();
            dlg->m_record.m_strGroupCode[0][7].clear();
            boxes->clear();
            QStringList standing;
            boxes->onShow = [&](QMessageBox&) { standing << edit->text(); };
            typed ? Type(edit, text) : Paste(edit, text);
            QCOMPARE(edit->text(), QString(shown));
            QCOMPARE(Code(*dlg, 0, 7), std::string(code));
            QCOMPARE(Stored(*dlg, 0, 7), std::string(shown));
            QCOMPARE(boxes->texts(), message ? kPleaseInputInteger : QStringList{});
            QCOMPARE(standing, message ? QStringList{text} : QStringList{});
            QVERIFY(!message || boxes->boxes[0].owner.data() == static_cast<QWidget*>(dlg.get()));
        }
    }

    void eachModeEnablesItsRow() {
        // mode, then the enabling of 25 kHz, 12.5 kHz, and of Band with the group row
        const std::tuple<int, bool, bool, bool> rows[] = {{IDC_MODE_PMR, false, true, false},
                                                          {IDC_MODE_LPD, true, false, false},
                                                          {IDC_MODE_GROUP, true, true, true},
                                                          {IDC_MODE_PMR_LPD, false, false, false}};
        QList<int> groupRow{IDC_BAND_LABEL, IDC_BAND, IDC_GROUP_LABEL, IDC_GROUP};
        for (int c = 0; c < 8; ++c) {
            groupRow << IDC_CH1 + c << kChannelLabelIds[c];
        }
        // Into every mode from every other.
        for (std::size_t index = 0; index < std::size(rows); ++index) {
            const auto& [mode, s25, s12, group] = rows[index];
            for (const auto& from : rows) {
                Click(*dlg, std::get<0>(from));
                Click(*dlg, mode);
                QVERIFY(dlg->IsWindowEnabled(IDC_SPACING_25K) == s25 && dlg->IsWindowEnabled(IDC_SPACING_12K5) == s12);
                for (int id : groupRow) {
                    QCOMPARE(dlg->IsWindowEnabled(id), group);
                }
                for (const auto& other : rows) {
                    const int id = std::get<0>(other);
                    QVERIFY(dlg->IsWindowEnabled(id) && Checked(*dlg, id) == (id == mode));
                }
                QCOMPARE(dlg->m_record.m_nMode, static_cast<int>(index));
            }
        }
        // "PMR + LPD" closes both spacings and leaves the one checked before.
        for (const auto& [before, spacing] :
             {std::pair{IDC_MODE_LPD, IDC_SPACING_25K}, {IDC_MODE_PMR, IDC_SPACING_12K5}}) {
            Click(*dlg, before);
            Click(*dlg, IDC_MODE_PMR_LPD);
            QVERIFY(Checked(*dlg, spacing));
        }
    }

    // Each group shows what it stores, the one Send sends; a spacing click blanks the group for good.
    void groupSwitchAndSpacingClickShowWhatSendSends() {
        TypeChannels(*dlg);
        SelectGroup(*dlg, 1);
        QVERIFY(Blank(*dlg) && Checked(*dlg, IDC_SPACING_12K5) && dlg->m_record.m_nGroup == 1);
        QTest::keyClicks(Edit(*dlg, 0), "410.00000");
        SelectGroup(*dlg, 2);
        Click(*dlg, IDC_SPACING_25K);
        SelectGroup(*dlg, 3);
        QVERIFY(Checked(*dlg, IDC_SPACING_12K5));
        SelectGroup(*dlg, 2);
        QVERIFY(Checked(*dlg, IDC_SPACING_25K));
        SelectGroup(*dlg, 0);
        QVERIFY(Edit(*dlg, 7)->text() == "500.00000" && Code(*dlg, 0, 7) == "3e80");
        // The checked radio clicked again clears as well; then the other one.
        for (int spacing : {IDC_SPACING_12K5, IDC_SPACING_25K}) {
            TypeChannels(*dlg);
            Click(*dlg, spacing);
            QVERIFY(Blank(*dlg, 0));
            QCOMPARE(dlg->m_record.m_nGroupSpacing[0], spacing == IDC_SPACING_25K ? 1 : 0);
        }
        QCOMPARE(Code(*dlg, 1, 0), std::string("0640")); // another group is untouched
        SelectGroup(*dlg, 1);
        QVERIFY(Checked(*dlg, IDC_SPACING_12K5));
        SelectGroup(*dlg, 0);
        QVERIFY(Blank(*dlg, 0) && Checked(*dlg, IDC_SPACING_25K));
    }

    void lpdShowsWideSpacingWithoutStoringIt() {
        SelectGroup(*dlg, 4);
        TypeChannels(*dlg);
        Click(*dlg, IDC_MODE_LPD);
        QVERIFY(Checked(*dlg, IDC_SPACING_25K));
        for (int g = 0; g < 8; ++g) {
            QCOMPARE(dlg->m_record.m_nGroupSpacing[static_cast<std::size_t>(g)], 0);
        }
        QCOMPARE(Code(*dlg, 4, 0), std::string("1cc1"));
        // The enabled 25 kHz radio acts on the group last selected.
        Click(*dlg, IDC_SPACING_25K);
        QCOMPARE(dlg->m_record.m_nGroupSpacing[4], 1);
        QVERIFY(Blank(*dlg, 4));
        // Back to "GRUOP": the radios show the spacing group E stores, the one Send sends.
        Click(*dlg, IDC_MODE_PMR);
        Click(*dlg, IDC_MODE_GROUP);
        QVERIFY(Checked(*dlg, IDC_SPACING_25K));
        SelectGroup(*dlg, 3);
        Click(*dlg, IDC_MODE_GROUP);
        QVERIFY(Checked(*dlg, IDC_SPACING_12K5));
    }

    void beginningsAreCompletedOnLeavingAndCorrectionsAreSaid() {
        // Tab, a click elsewhere, Enter and a group change each complete what the edit began.
        QLineEdit* ch1 = Edit(*dlg, 0);
        ch1->setFocus();
        QTest::keyClicks(ch1, "446.1");
        QTest::keyClick(ch1, Qt::Key_Tab);
        QCOMPARE(ch1->text(), QString("446.10000"));
        QCOMPARE(Code(*dlg, 0, 0), EnterWholeText("446.10000").code);
        QCOMPARE(dlg->StatusLine()->NoteText(), QString("CH1: 446.1 completed to 446.10000"));
        Edit(*dlg, 2)->setFocus();
        QTest::keyClicks(Edit(*dlg, 2), "462.5625");
        Click(*dlg, IDC_SCAN_DELAY);
        QCOMPARE(Edit(*dlg, 2)->text(), QString("462.56250"));
        QTest::keyClicks(Edit(*dlg, 3), "446");
        QTest::keyClick(Edit(*dlg, 3), Qt::Key_Return); // also presses the default button, Connect
        QCOMPARE(Edit(*dlg, 3)->text(), QString("446.00000"));
        boxes->clear();
        QTest::keyClicks(Edit(*dlg, 4), "433.");
        SelectGroup(*dlg, 1);
        SelectGroup(*dlg, 0);
        QCOMPARE(Edit(*dlg, 4)->text(), QString("433.00000"));
        QCOMPARE(Code(*dlg, 0, 4), std::string("14a0"));

        // "4460" is no beginning: it stays, and Send refuses to start with it.
        Edit(*dlg, 5)->setFocus();
        QTest::keyClicks(Edit(*dlg, 5), "4460");
        QTest::keyClick(Edit(*dlg, 5), Qt::Key_Tab);
        QCOMPARE(Edit(*dlg, 5)->text(), QString("4460"));
        dlg->OnSend();
        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QVERIFY2(boxes->boxes[0].text.contains("Group A CH6 shows \"4460\"") &&
                     boxes->boxes[0].text.contains("Complete it") && boxes->boxes[0].caption == AfxGetAppName(),
                 qPrintable(boxes->boxes[0].text));
        QVERIFY(!dlg->IsSending());

        // Corrections without a box are said in the status line.
        const std::pair<const char*, const char*> said[] = {
            {"520.00000", "CH8: 520.00000 is outside 400 to 500 MHz, cleared"},
            {"446.00300", "CH8: 446.00300 moved down to 446.00000 (6.25 kHz steps)"}};
        for (const auto& [typed, note] : said) {
            Edit(*dlg, 7)->clear();
            QTest::keyClicks(Edit(*dlg, 7), typed);
            QCOMPARE(dlg->StatusLine()->NoteText(), QString(note));
        }
    }

    void plansFillAGroupAfterAskingAndDuplicatesAreSaid() {
        const std::vector<PlanSlice> slices = PlanSlices();
        const auto index = [&](const char* label) {
            const auto named = [&](const PlanSlice& p) { return res::SliceLabel(p) == label; };
            return static_cast<int>(std::find_if(slices.begin(), slices.end(), named) - slices.begin());
        };
        SelectGroup(*dlg, 1);
        QTest::keyClicks(Edit(*dlg, 0), "410.00000");
        QTest::keyClicks(Edit(*dlg, 5), "410.00000");
        QCOMPARE(dlg->StatusLine()->NoteText(), QString("Group B: CH1 and CH6 are both 410.00000"));
        // Two channels would be overwritten: asked first; Cancel keeps them.
        boxes->answer = IDCANCEL;
        QVERIFY(!dlg->FillGroupWithPlan(index("LPD433 channels 65\u201369")));
        QCOMPARE(boxes->boxes.back().text,
                 QString::fromUtf8("Group B holds 2 channels. Replace them with LPD433 channels 65\u201369?"));
        QCOMPARE(boxes->boxes.back().type, MB_REPLACECANCEL);
        QCOMPARE(Code(*dlg, 1, 0), std::string("0640"));
        boxes->answer = IDOK;
        QVERIFY(dlg->FillGroupWithPlan(index("LPD433 channels 65\u201369")));
        QCOMPARE(Edit(*dlg, 0)->text(), QString("434.67500"));
        QCOMPARE(Edit(*dlg, 4)->text(), QString("434.77500"));
        QVERIFY(Edit(*dlg, 5)->text().isEmpty() && Code(*dlg, 1, 5).empty());
        QVERIFY(Checked(*dlg, IDC_SPACING_25K) && dlg->m_record.m_nGroupSpacing[1] == 1);
        // An empty group is filled without a question; Clear Group empties it again.
        boxes->clear();
        SelectGroup(*dlg, 2);
        QVERIFY(dlg->FillGroupWithPlan(index("PMR446 channels 1\u20138")) && boxes->boxes.empty());
        QCOMPARE(Code(*dlg, 2, 7), EnterWholeText("446.09375").code);
        dlg->ClearCurrentGroup();
        QVERIFY(Blank(*dlg, 2));
        // Outside "GRUOP" the plans are closed, as the edits are.
        Click(*dlg, IDC_MODE_PMR);
        QVERIFY(!dlg->ChannelsMenu()->actions().front()->isEnabled());
        QVERIFY(!dlg->FillGroupWithPlan(0));
    }

    // Random typing, focus changes, group, spacing and mode clicks: every group shows exactly what the frame
    // carries for it.
    void everyGroupShowsWhatTheFrameCarries() {
        std::mt19937 rng(91207);
        const char* texts[] = {"446.00625", "433.07501", "520.00000", "446.1", "4460",    "44",
                               "446.",      "",          "410.00000", "4x",    "462.5625"};
        const int modes[] = {IDC_MODE_PMR, IDC_MODE_LPD, IDC_MODE_GROUP, IDC_MODE_PMR_LPD};
        for (int step = 0; step < 400; ++step) {
            const int channel = static_cast<int>(rng() % 8);
            switch (rng() % 7) {
            case 0:
            case 1:
            case 2:
                if (Edit(*dlg, channel)->isEnabled()) {
                    Edit(*dlg, channel)->setFocus();
                    Edit(*dlg, channel)->selectAll();
                    QTest::keyClick(Edit(*dlg, channel), Qt::Key_Delete);
                    QTest::keyClicks(Edit(*dlg, channel), texts[rng() % std::size(texts)]);
                }
                break;
            case 3:
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dlg.get(), Qt::Key_Tab);
                break;
            case 4:
                if (dlg->IsWindowEnabled(IDC_GROUP)) {
                    SelectGroup(*dlg, static_cast<int>(rng() % 8));
                }
                break;
            case 5:
                if (dlg->IsWindowEnabled(rng() % 2 ? IDC_SPACING_12K5 : IDC_SPACING_25K)) {
                    Click(*dlg, rng() % 2 ? IDC_SPACING_12K5 : IDC_SPACING_25K);
                }
                break;
            case 6:
                Click(*dlg, modes[rng() % 4]);
                break;
            }
        }
        Click(*dlg, IDC_MODE_GROUP);
        Click(*dlg, IDC_SCAN_DELAY); // leaves any edit: a beginning is completed now
        RadioSettings copy = dlg->m_record;
        const ProgrammingFrame frame = BuildProgrammingFrame(copy);
        for (int g = 0; g < 8; ++g) {
            SelectGroup(*dlg, g);
            QCOMPARE(frame.bytes[static_cast<std::size_t>(kSpacingBlockOffset + g)],
                     std::uint8_t(Checked(*dlg, IDC_SPACING_25K) ? 1 : 0));
            for (int c = 0; c < 8; ++c) {
                const std::string shown = Edit(*dlg, c)->text().toStdString();
                const auto at = frame.bytes.begin() + ChannelOffset(g, c);
                QCOMPARE(std::vector<std::uint8_t>(at, at + 2),
                         HexTextToBytes(shown.empty() ? "ffff" : EnterWholeText(shown).code));
                QCOMPARE(EnterWholeText(shown).text, shown);
            }
        }
    }
};

QTEST_MAIN(ChannelEntry)
#include "tst_channelentry.moc"
