// Channel entry, group, spacing and mode selection through the window: real
// key events, clicks, the clipboard, the message box, and what lands in the
// group tables.

#include "UiTestSupport.h"

#include "ChannelEntry.h"
#include "ChannelPlans.h"
#include "ProgrammingFrame.h"

#include <QMenu>

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

    void typedExamplesShowCanonicalTextAndStoreTheCode() {
        const char* cases[][3] = {{"400.00624", "400.00000", "0000"}, {"433.07501", "433.07500", "14ac"},
                                  {"446.00625", "446.00625", "1cc1"}, {"450.12345", "450.11875", "1f53"},
                                  {"500.00000", "500.00000", "3e80"}, {"500.00001", "", "ffff"},
                                  {"446006250", "", "ffff"}}; // typed, shown, code
        // Two channels in two groups, so that no entry leaks into another.
        for (const auto& [typed, shown, code] : cases) {
            for (int group : {3, 0}) {
                SelectGroup(*dlg, group);
                for (int channel : {0, 5}) {
                    QLineEdit* edit = Edit(*dlg, channel);
                    edit->clear();
                    QTest::keyClicks(edit, typed);
                    QCOMPARE(edit->text(), QString(shown));
                    QCOMPARE(Code(*dlg, group, channel), std::string(code));
                    QCOMPARE(Stored(*dlg, group, channel), std::string(shown));
                }
                QCOMPARE(Code(*dlg, group, 1), std::string());
            }
        }
        QVERIFY(boxes->boxes.empty());
    }

    void badCharacterShowsTheMessageOnceAndEmptiesTheEdit() {
        // The failing text still stands while the box is up; non-ASCII counts as one character.
        for (const QString typed : {"4.", "446..", "44x", "4 ", "44é", "400.0000 ", "446.0062x"}) {
            QLineEdit* edit = Edit(*dlg, 2);
            QTest::keyClicks(edit, "446.00625"); // a good text first: the failure replaces it
            QCOMPARE(Code(*dlg, 0, 2), std::string("1cc1"));
            edit->clear();
            boxes->clear();
            QStringList standing;
            boxes->onShow = [&](QMessageBox&) { standing << edit->text(); };
            Type(edit, typed);
            QCOMPARE(boxes->texts(), kPleaseInputInteger);
            QCOMPARE(standing, QStringList{typed});
            QCOMPARE(boxes->boxes[0].owner.data(), static_cast<QWidget*>(dlg.get()));
            QCOMPARE(edit->text(), QString());
            QCOMPARE(Stored(*dlg, 0, 2), std::string());
            QCOMPARE(Code(*dlg, 0, 2), std::string("ffff"));
        }
        // The failure belongs to that text alone: the next good one is taken.
        boxes->clear();
        QTest::keyClicks(Edit(*dlg, 3), "433.07501");
        QCOMPARE(Code(*dlg, 0, 3), std::string("14ac"));
        QVERIFY(boxes->boxes.empty());
    }

    void pastedTextsAreTakenWhole() {
        // pasted, shown, code, message
        const std::tuple<QString, const char*, const char*, bool> cases[] = {
            {"446.00630", "446.00625", "1cc1", false},
            {"446.0062x", "", "ffff", true},
            {"4x6.00625", "", "ffff", true},
            {QStringLiteral("12345678😀"), "", "ffff", true},
            {QStringLiteral("446.0062e\u0301"), "", "ffff", true},
            {"399.99999", "", "ffff", false},
            {"410.000000", "", "", false}, // ten characters: refused by the edit
            {QStringLiteral("😀😀😀😀😀😀😀😀😀😀"), "", "", false},
        };
        QLineEdit* edit = Edit(*dlg, 7);
        for (const auto& [pasted, shown, code, message] : cases) {
            edit->clear();
            dlg->m_record.m_strGroupCode[0][7].clear();
            boxes->clear();
            QStringList standing;
            boxes->onShow = [&](QMessageBox&) { standing << edit->text(); };
            Paste(edit, pasted);
            QCOMPARE(edit->text(), QString(shown));
            QCOMPARE(Code(*dlg, 0, 7), std::string(code));
            QCOMPARE(boxes->texts(), message ? kPleaseInputInteger : QStringList{});
            QCOMPARE(standing, message ? QStringList{pasted} : QStringList{});
        }
    }

    void eachModeEnablesItsRow() {
        // mode, its index, then the enabling of 25 kHz, 12.5 kHz, Band and the group row
        const std::tuple<int, int, bool, bool, bool, bool> rows[] = {{IDC_MODE_PMR, 0, false, true, false, false},
                                                                     {IDC_MODE_LPD, 1, true, false, false, false},
                                                                     {IDC_MODE_GROUP, 2, true, true, true, true},
                                                                     {IDC_MODE_PMR_LPD, 3, false, false, false, false}};
        // Into every mode from every other.
        for (const auto& [mode, index, s25, s12, band, group] : rows) {
            for (const auto& from : rows) {
                Click(*dlg, std::get<0>(from));
                Click(*dlg, mode);
                QCOMPARE(dlg->IsWindowEnabled(IDC_SPACING_25K), s25);
                QCOMPARE(dlg->IsWindowEnabled(IDC_SPACING_12K5), s12);
                QVERIFY(dlg->IsWindowEnabled(IDC_BAND_LABEL) == band && dlg->IsWindowEnabled(IDC_BAND) == band);
                QVERIFY(dlg->IsWindowEnabled(IDC_GROUP_LABEL) == group && dlg->IsWindowEnabled(IDC_GROUP) == group);
                for (int c = 0; c < 8; ++c) {
                    QCOMPARE(dlg->IsWindowEnabled(IDC_CH1 + c), group);
                    QCOMPARE(dlg->IsWindowEnabled(kChannelLabelIds[c]), group);
                }
                for (const auto& other : rows) {
                    const int id = std::get<0>(other);
                    QVERIFY(dlg->IsWindowEnabled(id) && Checked(*dlg, id) == (id == mode));
                }
                QCOMPARE(dlg->m_record.m_nMode, index);
            }
        }
        // "PMR + LPD" closes both spacings and leaves the one checked before.
        Click(*dlg, IDC_MODE_LPD);
        Click(*dlg, IDC_MODE_PMR_LPD);
        QVERIFY(Checked(*dlg, IDC_SPACING_25K));
        Click(*dlg, IDC_MODE_PMR);
        Click(*dlg, IDC_MODE_PMR_LPD);
        QVERIFY(Checked(*dlg, IDC_SPACING_12K5));
    }

    void groupSwitchShowsStoredTextsWithoutReencoding() {
        TypeChannels(*dlg);
        SelectGroup(*dlg, 1);
        QVERIFY(Blank(*dlg));
        QVERIFY(Checked(*dlg, IDC_SPACING_12K5));
        QCOMPARE(dlg->m_record.m_nGroup, 1);
        // Texts that channel entry would rewrite show as they are stored.
        dlg->m_record.m_strGroupChannel[2][0] = "446.00630";
        dlg->m_record.m_strGroupCode[2][0] = "abcd";
        dlg->m_record.m_nGroupSpacing[2] = 1;
        SelectGroup(*dlg, 2);
        QCOMPARE(Edit(*dlg, 0)->text(), QStringLiteral("446.00630"));
        QCOMPARE(Code(*dlg, 2, 0), std::string("abcd"));
        QCOMPARE(Stored(*dlg, 2, 0), std::string("446.00630"));
        QVERIFY(Checked(*dlg, IDC_SPACING_25K));
        // A spacing entry outside 0 and 1 shows 12.5 kHz.
        dlg->m_record.m_nGroupSpacing[3] = 7;
        SelectGroup(*dlg, 3);
        QVERIFY(Checked(*dlg, IDC_SPACING_12K5));
        SelectGroup(*dlg, 0);
        QCOMPARE(Edit(*dlg, 7)->text(), QStringLiteral("500.00000"));
        QCOMPARE(Code(*dlg, 0, 7), std::string("3e80"));
    }

    void spacingClickBlanksTheGroupForGood() {
        SelectGroup(*dlg, 1);
        QTest::keyClicks(Edit(*dlg, 0), "410.00000");
        SelectGroup(*dlg, 0);
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
        QVERIFY(Blank(*dlg, 0) && Checked(*dlg, IDC_SPACING_25K)); // nothing shown that Send would not send
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
            for (std::size_t i = 0; i < slices.size(); ++i) {
                if (SliceLabel(slices[i]) == label) {
                    return static_cast<int>(i);
                }
            }
            return -1;
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
                const std::size_t at = static_cast<std::size_t>(ChannelOffset(g, c));
                const std::string code = QString("%1%2")
                                             .arg(frame.bytes[at], 2, 16, QChar('0'))
                                             .arg(frame.bytes[at + 1], 2, 16, QChar('0'))
                                             .toStdString();
                QCOMPARE(code, shown.empty() ? std::string("ffff") : EnterWholeText(shown).code);
                QCOMPARE(EnterWholeText(shown).text, shown);
            }
        }
    }
};

QTEST_MAIN(ChannelEntry)
#include "tst_channelentry.moc"
