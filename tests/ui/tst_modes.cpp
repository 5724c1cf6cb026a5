// Group, spacing and mode selection, driven with clicks and keys.

#include "UiTestSupport.h"

using namespace velmar;
using namespace velmar::test;

namespace {

void TypeChannels(COrvDlg& dlg) {
    QTest::keyClicks(Edit(dlg, 0), "446.00625");
    QTest::keyClicks(Edit(dlg, 1), "433.07500");
    QTest::keyClicks(Edit(dlg, 7), "500.00000");
}

bool AllEditsEmpty(COrvDlg& dlg) {
    for (int c = 0; c < 8; ++c) {
        if (!Edit(dlg, c)->text().isEmpty()) {
            return false;
        }
    }
    return true;
}

bool GroupCodesEmpty(const COrvDlg& dlg, int group) {
    for (int c = 0; c < 8; ++c) {
        if (!Code(dlg, group, c).empty()) {
            return false;
        }
    }
    return true;
}

} // namespace

class Modes : public QObject {
    Q_OBJECT

    std::unique_ptr<MessageBoxRecorder> boxes;
    std::unique_ptr<COrvDlg> dlg;

private slots:
    void init() {
        boxes = std::make_unique<MessageBoxRecorder>();
        dlg = OpenDialog();
    }
    void cleanup() {
        dlg.reset();
        QVERIFY(boxes->boxes.empty());
        boxes.reset();
    }

    void eachModeEnablesItsRow_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("s25");
        QTest::addColumn<bool>("s12");
        QTest::addColumn<bool>("band");
        QTest::addColumn<bool>("group");
        QTest::addColumn<int>("modeIndex");
        QTest::newRow("GRUOP") << IDC_MODE_GROUP << true << true << true << true << 2;
        QTest::newRow("PMR") << IDC_MODE_PMR << false << true << false << false << 0;
        QTest::newRow("LPD") << IDC_MODE_LPD << true << false << false << false << 1;
        QTest::newRow("PMR + LPD") << IDC_MODE_PMR_LPD << false << false << false << false << 3;
    }

    void eachModeEnablesItsRow() {
        QFETCH(int, mode);
        QFETCH(bool, s25);
        QFETCH(bool, s12);
        QFETCH(bool, band);
        QFETCH(bool, group);
        QFETCH(int, modeIndex);
        // From every other mode into this one.
        for (int from : {IDC_MODE_PMR, IDC_MODE_LPD, IDC_MODE_GROUP, IDC_MODE_PMR_LPD}) {
            Click(*dlg, from);
            Click(*dlg, mode);
            QCOMPARE(dlg->IsWindowEnabled(IDC_SPACING_25K), s25);
            QCOMPARE(dlg->IsWindowEnabled(IDC_SPACING_12K5), s12);
            QCOMPARE(dlg->IsWindowEnabled(IDC_BAND_LABEL), band);
            QCOMPARE(dlg->IsWindowEnabled(IDC_BAND), band);
            QCOMPARE(dlg->IsWindowEnabled(IDC_GROUP_LABEL), group);
            QCOMPARE(dlg->IsWindowEnabled(IDC_GROUP), group);
            for (int c = 0; c < 8; ++c) {
                QCOMPARE(dlg->IsWindowEnabled(IDC_CH1 + c), group);
                QCOMPARE(dlg->IsWindowEnabled(kChannelLabelIds[c]), group);
            }
            for (int m : {IDC_MODE_PMR, IDC_MODE_LPD, IDC_MODE_GROUP, IDC_MODE_PMR_LPD}) {
                QVERIFY(dlg->IsWindowEnabled(m));
                QCOMPARE(Radio(*dlg, m)->isChecked(), m == mode);
            }
            QCOMPARE(dlg->m_record.m_nMode, modeIndex);
        }
    }

    void groupSwitchShowsStoredTextsWithoutReencoding() {
        Click(*dlg, IDC_MODE_GROUP);
        SelectGroup(*dlg, 1);
        QVERIFY(AllEditsEmpty(*dlg));
        QVERIFY(Radio(*dlg, IDC_SPACING_12K5)->isChecked());
        QCOMPARE(dlg->m_record.m_nGroup, 1);

        // Texts that channel entry would rewrite show as they are stored.
        dlg->m_record.m_strGroupChannel[2][0] = "446.00630";
        dlg->m_record.m_strGroupCode[2][0] = "abcd";
        dlg->m_record.m_nGroupSpacing[2] = 1;
        SelectGroup(*dlg, 2);
        QCOMPARE(Edit(*dlg, 0)->text(), QStringLiteral("446.00630"));
        QCOMPARE(Code(*dlg, 2, 0), std::string("abcd"));
        QCOMPARE(Stored(*dlg, 2, 0), std::string("446.00630"));
        QVERIFY(Radio(*dlg, IDC_SPACING_25K)->isChecked());

        // A spacing entry outside 0 and 1 shows 12.5 kHz.
        dlg->m_record.m_nGroupSpacing[3] = 7;
        SelectGroup(*dlg, 3);
        QVERIFY(Radio(*dlg, IDC_SPACING_12K5)->isChecked());
        QCOMPARE(dlg->m_record.m_nSpacing, 0);
    }

    void spacingClickBlanksEditsAndClearsCodes() {
        Click(*dlg, IDC_MODE_GROUP);
        TypeChannels(*dlg);
        SelectGroup(*dlg, 1);
        QTest::keyClicks(Edit(*dlg, 0), "410.00000");
        SelectGroup(*dlg, 0);

        Click(*dlg, IDC_SPACING_25K);
        QVERIFY(AllEditsEmpty(*dlg));
        QVERIFY(GroupCodesEmpty(*dlg, 0));
        QCOMPARE(dlg->m_record.m_nGroupSpacing[0], 1);
        QCOMPARE(Code(*dlg, 1, 0), std::string("0640")); // another group is untouched
        QCOMPARE(dlg->m_record.m_nGroupSpacing[1], 0);

        SelectGroup(*dlg, 1);
        QVERIFY(Radio(*dlg, IDC_SPACING_12K5)->isChecked());
        SelectGroup(*dlg, 0);
        QCOMPARE(Edit(*dlg, 0)->text(), QStringLiteral("446.00625"));
        QCOMPARE(Edit(*dlg, 1)->text(), QStringLiteral("433.07500"));
        QCOMPARE(Edit(*dlg, 7)->text(), QStringLiteral("500.00000"));
        QVERIFY(Radio(*dlg, IDC_SPACING_25K)->isChecked());
        QVERIFY(GroupCodesEmpty(*dlg, 0)); // until each channel is edited again
    }

    void clickingTheCheckedSpacingStillClears() {
        Click(*dlg, IDC_MODE_GROUP);
        TypeChannels(*dlg);
        QVERIFY(Radio(*dlg, IDC_SPACING_12K5)->isChecked());
        Click(*dlg, IDC_SPACING_12K5);
        QVERIFY(AllEditsEmpty(*dlg));
        QVERIFY(GroupCodesEmpty(*dlg, 0));
        QCOMPARE(dlg->m_record.m_nGroupSpacing[0], 0);
        QCOMPARE(Stored(*dlg, 0, 0), std::string("446.00625"));
    }

    void lpdShowsWideSpacingWithoutStoringIt() {
        Click(*dlg, IDC_MODE_GROUP);
        SelectGroup(*dlg, 4);
        TypeChannels(*dlg);
        Click(*dlg, IDC_MODE_LPD);
        QVERIFY(Radio(*dlg, IDC_SPACING_25K)->isChecked());
        QVERIFY(!dlg->IsWindowEnabled(IDC_SPACING_12K5));
        for (int g = 0; g < 8; ++g) {
            QCOMPARE(dlg->m_record.m_nGroupSpacing[static_cast<std::size_t>(g)], 0);
        }
        QCOMPARE(Code(*dlg, 4, 0), std::string("1cc1"));

        // The enabled 25 kHz radio acts on the group last selected.
        Click(*dlg, IDC_SPACING_25K);
        QCOMPARE(dlg->m_record.m_nGroupSpacing[4], 1);
        QVERIFY(GroupCodesEmpty(*dlg, 4));
        QVERIFY(AllEditsEmpty(*dlg));
        QCOMPARE(dlg->m_record.m_nGroupSpacing[0], 0);

        // Back to "GRUOP": 12.5 kHz is shown although group E stores 25 kHz.
        Click(*dlg, IDC_MODE_GROUP);
        QVERIFY(Radio(*dlg, IDC_SPACING_12K5)->isChecked());
        QCOMPARE(dlg->m_record.m_nGroupSpacing[4], 1);
        SelectGroup(*dlg, 3);
        SelectGroup(*dlg, 4);
        QVERIFY(Radio(*dlg, IDC_SPACING_25K)->isChecked());
    }

    void pmrLpdLeavesTheCheckedSpacing() {
        Click(*dlg, IDC_MODE_LPD);
        Click(*dlg, IDC_MODE_PMR_LPD);
        QVERIFY(Radio(*dlg, IDC_SPACING_25K)->isChecked());
        QVERIFY(!dlg->IsWindowEnabled(IDC_SPACING_25K));
        QVERIFY(!dlg->IsWindowEnabled(IDC_SPACING_12K5));
        Click(*dlg, IDC_MODE_PMR);
        Click(*dlg, IDC_MODE_PMR_LPD);
        QVERIFY(Radio(*dlg, IDC_SPACING_12K5)->isChecked());
    }

    void closedModesKeepCodesAndBand() {
        Click(*dlg, IDC_MODE_GROUP);
        TypeChannels(*dlg);
        QComboBox* band = Combo(*dlg, IDC_BAND);
        QTest::keyClick(band, Qt::Key_Down);
        QTest::keyClick(band, Qt::Key_Down);
        QCOMPARE(band->currentText(), QStringLiteral("430Mhz"));
        for (int mode : {IDC_MODE_PMR, IDC_MODE_LPD, IDC_MODE_PMR_LPD}) {
            Click(*dlg, mode);
            QTest::keyClicks(Edit(*dlg, 2), "410.00000"); // closed: nothing happens
            QTest::keyClick(band, Qt::Key_Down);
            QTest::keyClick(Combo(*dlg, IDC_GROUP), Qt::Key_Down);
            dlg->UpdateData(true);
            QCOMPARE(dlg->m_record.m_nBand, 2);
            QCOMPARE(dlg->m_record.m_nGroup, 0);
            QCOMPARE(Code(*dlg, 0, 0), std::string("1cc1"));
            QCOMPARE(Code(*dlg, 0, 1), std::string("14ac"));
            QCOMPARE(Code(*dlg, 0, 2), std::string());
        }
    }

    void optionsReachTheRecordAtTheNextExchange() {
        // Options have no handlers of their own: the next exchange reads them.
        QTest::keyClick(Combo(*dlg, IDC_SCAN_DELAY), Qt::Key_End);
        QTest::keyClick(Combo(*dlg, IDC_BCLO), Qt::Key_Down);
        Click(*dlg, IDC_DCS_104);
        Click(*dlg, IDC_SELF_TONE_OFF);
        QCOMPARE(dlg->m_record.m_nScanDelay, 0);
        Click(*dlg, IDC_MODE_LPD);
        QCOMPARE(dlg->m_record.m_nScanDelay, 10);
        QCOMPARE(dlg->m_record.m_strBclo, std::string("CA On"));
        QCOMPARE(dlg->m_record.m_nDcs, 2);
        QCOMPARE(dlg->m_record.m_nSelfTone, 1);
        QCOMPARE(dlg->m_record.m_nCtcss, 0);
        // And the record shows in the controls.
        dlg->m_record.m_strBclo = "DT On";
        dlg->m_record.m_nPowerSave = 3;
        dlg->m_record.m_nCtcss = 1;
        dlg->UpdateData(false);
        QCOMPARE(Combo(*dlg, IDC_BCLO)->currentText(), QStringLiteral("DT On"));
        QCOMPARE(Combo(*dlg, IDC_POWER_SAVE)->currentText(), QStringLiteral("2.0 : 1.0"));
        QVERIFY(Radio(*dlg, IDC_CTCSS_38)->isChecked());
        QVERIFY(!Radio(*dlg, IDC_CTCSS_DISABLE)->isChecked());
    }
};

QTEST_MAIN(Modes)
#include "tst_modes.moc"
