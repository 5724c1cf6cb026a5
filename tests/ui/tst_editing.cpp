// Editing like a current editor: undo and redo by settled changes, File > New, a group copied and pasted, the
// table of all channels both ways, and comparing with a file or a record of a Send.

#include "UiTestSupport.h"

#include "ChannelTable.h"
#include "MessagesWindow.h"
#include "ProgrammingFrame.h"
#include "SentHistory.h"
#include "SettingFile.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>

using namespace velmar;
using namespace velmar::test;

namespace {

std::array<std::uint8_t, kFrameSize> FrameOf(RadioSettings s) {
    return BuildProgrammingFrame(s).bytes;
}

// What the screen shows, read as Send reads it, and whether the edits show what the current group stores.
bool ScreenIsTheSetting(COrvDlg& dlg, const RadioSettings& setting) {
    if (!dlg.UpdateData(true)) {
        return false;
    }
    const auto g = static_cast<std::size_t>(dlg.m_record.m_nGroup);
    return FrameOf(dlg.m_record) == FrameOf(setting) && dlg.m_record.m_strChannel == dlg.m_record.m_strGroupChannel[g];
}

} // namespace

class Editing : public QObject {
    Q_OBJECT

    std::unique_ptr<MessageBoxRecorder> boxes;
    std::unique_ptr<COrvDlg> dlg;

    QString UndoText() const { return MenuNamed(*dlg, "&Edit")->actions()[0]->text(); }
    void Settle() { QTest::qWait(1); } // the window takes in a burst of changes once the event loop turns

private slots:
    void init() {
        boxes = std::make_unique<MessageBoxRecorder>();
        dlg = OpenDialog();
        Click(*dlg, IDC_MODE_GROUP);
        Settle();
    }
    void cleanup() {
        dlg.reset();
        boxes.reset();
    }

    void eachSettledChangeIsOneStepNamedByWhatItTakesBack() {
        QCOMPARE(UndoText(), QString("&Undo Mode Select"));
        QTest::keyClicks(Edit(*dlg, 2), "446.00625");
        Settle();
        QCOMPARE(UndoText(), QString("&Undo CH3 of Group A")); // one step for nine keys
        SelectGroup(*dlg, 2);
        Settle();
        QCOMPARE(UndoText(), QString("&Undo CH3 of Group A")); // looking at a group is no change
        QVERIFY(dlg->FillGroupWithPlan(0));
        QCOMPARE(UndoText(), QString("&Undo Fill Group C"));
        Combo(*dlg, IDC_BAND)->setCurrentIndex(3);
        Settle();
        QCOMPARE(UndoText(), QString("&Undo Band Select"));
        const RadioSettings beforeUndo = dlg->Document().History().Current();
        dlg->Document().Undo();
        QCOMPARE(Combo(*dlg, IDC_BAND)->currentIndex(), 0);
        QCOMPARE(MenuNamed(*dlg, "&Edit")->actions()[1]->text(), QString("&Redo Band Select"));
        dlg->Document().Redo();
        QVERIFY(ScreenIsTheSetting(*dlg, beforeUndo));
        // Back to where it started: nothing is unsaved.
        while (dlg->Document().History().CanUndo()) {
            dlg->Document().Undo();
        }
        Settle();
        QCOMPARE(dlg->windowTitle(), QString("Velmar"));
        QVERIFY(Checked(*dlg, IDC_MODE_PMR) && Edit(*dlg, 2)->text().isEmpty());
    }

    // Ctrl+Z in a channel edit takes back its own keys not yet settled, then the setting's last change; the
    // redo keys bring it again. Focus sits in a channel edit while channels are edited.
    void keyboardUndoAndRedoWorkWhereTheFocusIs() {
        Edit(*dlg, 0)->setFocus();
        QTest::keyClicks(Edit(*dlg, 0), "446.00625");
        Edit(*dlg, 1)->setFocus();
        QTest::keyClicks(Edit(*dlg, 1), "446.1");
        for (int key = 0; key < 6 && !Edit(*dlg, 1)->text().isEmpty(); ++key) {
            QTest::keyClick(Edit(*dlg, 1), Qt::Key_Z, Qt::ControlModifier);
        }
        QVERIFY(Edit(*dlg, 1)->text().isEmpty() && Edit(*dlg, 0)->text() == "446.00625");
        QTest::keyClick(Edit(*dlg, 1), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Edit(*dlg, 0)->text().isEmpty());
        QTest::keyClick(Edit(*dlg, 1), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Edit(*dlg, 0)->text(), QString("446.00625"));
        // Keys the edit has no history of (after a group change) are taken back to what it stores.
        QTest::keyClicks(Edit(*dlg, 1), "433.1");
        Edit(*dlg, 1)->setText("433.2");
        QTest::keyClick(Edit(*dlg, 1), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Edit(*dlg, 1)->text().isEmpty() && Edit(*dlg, 0)->text() == "446.00625");
    }

    void newCopyAndPasteGroup() {
        QVERIFY(dlg->PasteGroup("abc\n446.00625\n"));
        QVERIFY(!dlg->StatusLine()->NoteText().isEmpty());
        // New asks about the changes first; the default setting then, with a history of its own.
        boxes->answer = IDNO;
        QTest::keyClick(dlg.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(boxes->boxes.back().type, MB_SAVEDISCARDCANCEL);
        QVERIFY(Checked(*dlg, IDC_MODE_PMR) && !dlg->Document().History().CanUndo());
        QVERIFY(dlg->StatusLine()->NoteText().isEmpty()); // what was said of the old setting went with it
        Click(*dlg, IDC_MODE_GROUP);
        Settle();

        QVERIFY(dlg->PasteGroup("446.1\n446.00630\nabc\n\n433.075\n"));
        QCOMPARE(UndoText(), QString("&Undo Paste Group A"));
        dlg->CopyGroup();
        QCOMPARE(QApplication::clipboard()->text(), QString("446.10000\n446.00625\n\n\n433.07500\n\n\n\n"));
        const QString note = dlg->StatusLine()->NoteText();
        QVERIFY2(note.contains("CH1: 446.1 completed to 446.10000") && note.contains("moved down to 446.00625") &&
                     note.contains("CH3: abc is not a frequency, not taken"),
                 qPrintable(note));
        // Too long for the line, it is cut between two words, says so with "…" and is whole in its tooltip, in
        // the log and in View > Messages.
        const QString shown = dlg->StatusLine()->NoteShown();
        QVERIFY2(shown.endsWith(u'\u2026') && note.startsWith(shown.chopped(1)), qPrintable(shown));
        QVERIFY2(!note.at(shown.size() - 1).isLetterOrNumber() || !note.at(shown.size() - 2).isLetterOrNumber(),
                 qPrintable(shown));
        for (const QLabel* label : dlg->StatusLine()->findChildren<QLabel*>()) {
            QVERIFY(label->accessibleName() != "Note" || label->toolTip() == note);
        }
        QCOMPARE(dlg->StatusLine()->HintText(),
                 QString("Before a Send (1 of 2, all in Edit > Check Setting): Group A: CH5 is an LPD433 channel, "
                         "which are 25 kHz wide, in a 12.5Khz group: set Group A to 25Khz."));
        MenuNamed(*dlg, "&View")->actions()[1]->trigger();
        QVERIFY(dlg->MessagesWindow() != nullptr && dlg->MessagesWindow()->isVisible());
        QVERIFY(dlg->MessagesWindow()->Text().contains(
            QRegularExpression("\\d:\\d\\d:\\d\\d\\D{0,6}  " + QRegularExpression::escape(note))));
        QTest::keyClicks(Edit(*dlg, 5), "446.00625"); // while the Messages window is open, it grows
        Settle();
        QVERIFY(dlg->MessagesWindow()->Text().endsWith("Group A: CH2 and CH6 are both 446.00625"));
        // Outside "GRUOP" the channel commands are closed and say why.
        Click(*dlg, IDC_MODE_PMR);
        QAction* paste = MenuNamed(*dlg, "&Edit")->actions()[4];
        QVERIFY(!paste->isEnabled() && paste->toolTip().contains("GRUOP"));
        QVERIFY(dlg->StatusLine()->HintText().contains("radio's own channels"));
    }

    void theChannelTableAndTheDialogShowEachOthersEdits() {
        CChannelTable* table = dlg->OpenChannelTable();
        QTableWidget* cells = table->Table();
        cells->item(9, CChannelTable::kFrequencyColumn)->setText("446.03125"); // B2, as an editor commits it
        Settle();
        QCOMPARE(UndoText(), QString("&Undo CH2 of Group B"));
        QCOMPARE(cells->item(9, 5)->text(), QString("PMR446 3"));
        cells->item(9, CChannelTable::kNameColumn)->setText("Kitchen");
        Settle();
        QCOMPARE(UndoText(), QString("&Undo Name of CH2 of Group B"));
        SelectGroup(*dlg, 1);
        QVERIFY(Edit(*dlg, 1)->text() == "446.03125" && Edit(*dlg, 1)->toolTip() == "Kitchen");
        QTest::keyClicks(Edit(*dlg, 5), "446.03125");
        Settle();
        QCOMPARE(cells->item(13, CChannelTable::kFrequencyColumn)->text(), QString("446.03125"));
        QCOMPARE(cells->item(13, 6)->text(), QString("B2"));

        // Copy a block, paste a column, delete: one step each.
        cells->setRangeSelected(QTableWidgetSelectionRange(9, 1, 10, 2), true);
        QTest::keyClick(cells, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("2\t446.03125\n3\t"));
        cells->clearSelection();
        QApplication::clipboard()->setText("433.1\tGate\r\n433.125\tThe medic at the gate\r\n");
        cells->setRangeSelected(QTableWidgetSelectionRange(0, 2, 0, 2), true);
        QTest::keyClick(cells, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(UndoText(), QString("&Undo Paste"));
        QCOMPARE(dlg->m_record.m_strGroupChannel[0][1], std::string("433.12500"));
        QCOMPARE(dlg->m_record.m_strGroupName[0], (PerChannel<std::string>{"Gate"}));
        QVERIFY(table->NoteText().contains("CH2: a name has up to 16 characters"));
        cells->clearSelection();
        cells->setRangeSelected(QTableWidgetSelectionRange(0, 2, 1, 2), true);
        QTest::keyClick(cells, Qt::Key_Delete);
        QCOMPARE(UndoText(), QString("&Undo Delete"));
        QVERIFY(dlg->m_record.m_strGroupChannel[0][0].empty() && dlg->m_record.m_strGroupChannel[0][1].empty());
        QCOMPARE(dlg->m_record.m_strGroupName[0][0], std::string("Gate")); // only the frequencies were selected

        // By keyboard, in the table's own window: type, Enter goes down, Ctrl+Z takes the step back.
        table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table));
        cells->setCurrentCell(20, CChannelTable::kFrequencyColumn);
        QTest::keyClick(cells, Qt::Key_4); // opens the cell's editor, which takes the rest
        QTest::keyClicks(QApplication::focusWidget(), "33.2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Settle();
        QCOMPARE(dlg->m_record.m_strGroupChannel[2][4], std::string("433.20000"));
        QCOMPARE(cells->currentRow(), 21);
        QTest::keyClick(cells, Qt::Key_Z, Qt::ControlModifier);
        Settle();
        QVERIFY(dlg->m_record.m_strGroupChannel[2][4].empty());
        QCOMPARE(cells->item(20, CChannelTable::kFrequencyColumn)->text(), QString());
        // In a cell being edited, the redo keys with no keys of its own to bring again are the setting's Redo.
        cells->editItem(cells->item(20, CChannelTable::kNameColumn));
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(dlg->m_record.m_strGroupChannel[2][4], std::string("433.20000"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        // The File menu's keys work here too; the table is a window of its own, not held above the settings.
        QTemporaryDir dir;
        QVERIFY(dlg->Document().Save(dir.filePath("table.velmar")));
        cells->item(30, CChannelTable::kNameColumn)->setText("Gate");
        Settle();
        QVERIFY(dlg->Document().IsModified());
        QTest::keyClick(cells, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!dlg->Document().IsModified());
        QVERIFY(table->windowHandle()->transientParent() == nullptr && table->width() >= table->FitWidth());

        // Outside "GRUOP" the table only shows.
        Click(*dlg, IDC_MODE_LPD);
        Settle();
        QVERIFY(!(cells->item(0, CChannelTable::kFrequencyColumn)->flags() & Qt::ItemIsEditable));
    }

    void compareWithAFileAndWithTheLastSend() {
        QTemporaryDir dir;
        const QString file = dir.filePath("club.velmar");
        QTest::keyClicks(Edit(*dlg, 2), "433.10000");
        QVERIFY(dlg->Document().Save(file));
        Edit(*dlg, 2)->clear();
        Combo(*dlg, IDC_BAND)->setCurrentIndex(3);
        Settle();
        // File > Properties: a step of its own; what cannot be kept is refused with a box.
        QVERIFY(!dlg->Document().SetProperties(QString(61, 'T'), {}));
        QVERIFY(dlg->Document().SetProperties("Camp", {}));
        QCOMPARE(UndoText(), QString("&Undo Title"));
        // The title names the window and the files offered for it.
        QCOMPARE(dlg->windowTitle(), QString("Velmar - Camp (club.velmar) *"));
        QCOMPARE(dlg->Document().SuggestedPath("channels.csv", ".csv"), dir.filePath("Camp.csv"));
        boxes->clear();
        QVERIFY(dlg->Document().CompareWith(file));
        QCOMPARE(boxes->texts(), QStringList{"3 differences from club.velmar to the setting shown: see the details."});
        QCOMPARE(boxes->boxes[0].detail, QString("Group A CH3: 433.10000 \u2192 empty\nBand Select: 410Mhz \u2192 "
                                                 "440Mhz\nTitle: none \u2192 \u201cCamp\u201d"));
        QVERIFY(boxes->boxes[0].detailBehindButton); // "see the details": there is a button to see them
        FileFailure error;
        std::string record;
        QVERIFY(dlg->UpdateData(true));
        QVERIFY(RecordSentSetting(SentHistoryDir(), dlg->m_record, 0x57, std::chrono::system_clock::now(), &error,
                                  &record));
        QVERIFY(dlg->Document().CompareWith(QString::fromStdString(record)));
        QVERIFY(boxes->texts().back().startsWith("identical: this is what the radio got at "));
    }
};

QTEST_MAIN(Editing)
#include "tst_editing.moc"
