// Channel entry through the window, in "GRUOP": real key events, the
// clipboard, the message box, and what lands in the group tables.

#include "UiTestSupport.h"

using namespace velmar;
using namespace velmar::test;

namespace {
const QString kPleaseInputInteger = QStringLiteral("Please Input Integer");
}

class ChannelEntry : public QObject {
    Q_OBJECT

    std::unique_ptr<COrvDlg> dlg;
    std::unique_ptr<MessageBoxRecorder> boxes;

private slots:
    void init() {
        boxes = std::make_unique<MessageBoxRecorder>();
        dlg = OpenDialog();
        Click(*dlg, IDC_MODE_GROUP);
        QVERIFY(Edit(*dlg, 0)->isEnabled());
    }
    void cleanup() {
        dlg.reset();
        boxes.reset();
    }

    void typedWorkedExamples_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("code");
        QTest::newRow("lowest") << "400.00000"
                                << "400.00000"
                                << "0000";
        QTest::newRow("moves down to 0") << "400.00624"
                                         << "400.00000"
                                         << "0000";
        QTest::newRow("one step") << "400.00625"
                                  << "400.00625"
                                  << "0001";
        QTest::newRow("410") << "410.00000"
                             << "410.00000"
                             << "0640";
        QTest::newRow("433.075") << "433.07500"
                                 << "433.07500"
                                 << "14ac";
        QTest::newRow("433.07501") << "433.07501"
                                   << "433.07500"
                                   << "14ac";
        QTest::newRow("on grid") << "446.00625"
                                 << "446.00625"
                                 << "1cc1";
        QTest::newRow("446.00630") << "446.00630"
                                   << "446.00625"
                                   << "1cc1";
        QTest::newRow("446.00624") << "446.00624"
                                   << "446.00000"
                                   << "1cc0";
        QTest::newRow("450.12345") << "450.12345"
                                   << "450.11875"
                                   << "1f53";
        QTest::newRow("499.99999") << "499.99999"
                                   << "499.99375"
                                   << "3e7f";
        QTest::newRow("highest") << "500.00000"
                                 << "500.00000"
                                 << "3e80";
        QTest::newRow("above") << "500.00001"
                               << ""
                               << "ffff";
        QTest::newRow("below") << "399.99999"
                               << ""
                               << "ffff";
        QTest::newRow("no point") << "446006250"
                                  << ""
                                  << "ffff";
    }

    void typedWorkedExamples() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, code);
        // Each channel and a second group, so that no entry leaks into another.
        for (int group : {0, 3}) {
            SelectGroup(*dlg, group);
            for (int channel : {0, 5}) {
                QLineEdit* edit = Edit(*dlg, channel);
                QTest::keyClicks(edit, typed);
                QCOMPARE(edit->text(), shown);
                QCOMPARE(QString::fromStdString(Code(*dlg, group, channel)), code);
                QCOMPARE(QString::fromStdString(Stored(*dlg, group, channel)), shown);
            }
            QCOMPARE(Code(*dlg, group, 1), std::string());
        }
        QCOMPARE(Code(*dlg, 1, 0), std::string());
        QVERIFY(boxes->boxes.empty());
    }

    void badCharacterShowsTheMessageOnceAndEmptiesTheEdit_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("standing"); // the edit's text while the box is up
        QTest::newRow("point at 1") << "4."
                                    << "4.";
        QTest::newRow("second point") << "446.."
                                      << "446..";
        QTest::newRow("letter") << "44x"
                                << "44x";
        QTest::newRow("space") << "4 "
                               << "4 ";
        QTest::newRow("not ascii") << QStringLiteral("44é") << QStringLiteral("44é");
        QTest::newRow("ninth character") << "400.0000 "
                                         << "400.0000 ";
        QTest::newRow("ninth letter") << "446.0062x"
                                      << "446.0062x";
    }

    void badCharacterShowsTheMessageOnceAndEmptiesTheEdit() {
        QFETCH(QString, typed);
        QFETCH(QString, standing);
        QLineEdit* edit = Edit(*dlg, 2);
        QTest::keyClicks(edit, "446.00625"); // a good text first: the failure replaces it
        QCOMPARE(Code(*dlg, 0, 2), std::string("1cc1"));
        ClearEdit(edit);

        QStringList seenInEdit;
        boxes->onShow = [&](QMessageBox&) { seenInEdit << edit->text(); };
        Type(edit, typed);
        QCOMPARE(boxes->texts(), QStringList{kPleaseInputInteger});
        QCOMPARE(seenInEdit, QStringList{standing});
        QCOMPARE(boxes->boxes[0].caption, AfxGetAppName());
        QCOMPARE(boxes->boxes[0].owner.data(), static_cast<QWidget*>(dlg.get()));
        QCOMPARE(boxes->boxes[0].buttons, QStringList{"OK"});
        QVERIFY(!boxes->boxes[0].hasIcon);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(Stored(*dlg, 0, 2), std::string());
        QCOMPARE(Code(*dlg, 0, 2), std::string("ffff"));

        // The failure belongs to that text alone: the next good one is taken.
        QTest::keyClicks(Edit(*dlg, 3), "433.07501");
        QCOMPARE(Edit(*dlg, 3)->text(), QStringLiteral("433.07500"));
        QCOMPARE(Code(*dlg, 0, 3), std::string("14ac"));
        QCOMPARE(boxes->boxes.size(), std::size_t{1});
    }

    void pastedTexts_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("message");
        QTest::newRow("good") << "446.00630"
                              << "446.00625"
                              << "1cc1" << false;
        QTest::newRow("letter at the end") << "446.0062x"
                                           << ""
                                           << "ffff" << true;
        QTest::newRow("space at the end") << "400.0000 "
                                          << ""
                                          << "ffff" << true;
        QTest::newRow("letter inside") << "4x6.00625"
                                       << ""
                                       << "ffff" << true;
        QTest::newRow("emoji") << QStringLiteral("446.0062😀") << ""
                               << "ffff" << true;
        QTest::newRow("combining accent") << QStringLiteral("446.0062e\u0301") << ""
                                          << "ffff" << true;
        QTest::newRow("no point") << "446006250"
                                  << ""
                                  << "ffff" << false;
        QTest::newRow("out of range") << "399.99999"
                                      << ""
                                      << "ffff" << false;
    }

    void pastedTexts() {
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(QString, code);
        QFETCH(bool, message);
        QLineEdit* edit = Edit(*dlg, 7);
        QStringList seenInEdit;
        boxes->onShow = [&](QMessageBox&) { seenInEdit << edit->text(); };
        Paste(edit, pasted);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(QString::fromStdString(Code(*dlg, 0, 7)), code);
        QCOMPARE(QString::fromStdString(Stored(*dlg, 0, 7)), shown);
        QCOMPARE(boxes->texts(), message ? QStringList{kPleaseInputInteger} : QStringList{});
        if (message) {
            QCOMPARE(seenInEdit, QStringList{pasted});
        }
    }

    void overtypingUndoAndCutRunTheEntry() {
        QLineEdit* edit = Edit(*dlg, 1);
        QTest::keyClicks(edit, "446.00625");
        // Overtype a selection: "446.00625" -> select "625", type "630"
        edit->setSelection(6, 3);
        QTest::keyClicks(edit, "63");
        QCOMPARE(Code(*dlg, 0, 1), std::string("1cc1")); // eight characters: unchanged
        QTest::keyClicks(edit, "0");
        QCOMPARE(edit->text(), QStringLiteral("446.00625"));

        // A selection overtyped so that nine characters arrive in one change.
        edit->selectAll();
        Paste(edit, "410.00000");
        QCOMPARE(Code(*dlg, 0, 1), std::string("0640"));
        // Cut everything: the code goes, the stored text stays.
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(Code(*dlg, 0, 1), std::string());
        QCOMPARE(Stored(*dlg, 0, 1), std::string("410.00000"));
        // Undo brings the text back and runs the entry again.
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("410.00000"));
        QCOMPARE(Code(*dlg, 0, 1), std::string("0640"));
        QVERIFY(boxes->boxes.empty());
    }

    void deletingEverythingEmptiesOnlyTheCode() {
        QLineEdit* edit = Edit(*dlg, 4);
        QTest::keyClicks(edit, "446.00625");
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(edit, Qt::Key_Backspace);
            if (i == 0) {
                // 446.0062: eight characters that pass change nothing
                QCOMPARE(edit->text(), QStringLiteral("446.0062"));
                QCOMPARE(Code(*dlg, 0, 4), std::string("1cc1"));
            }
        }
        QCOMPARE(edit->text(), QString());
        QCOMPARE(Code(*dlg, 0, 4), std::string());
        QCOMPARE(Stored(*dlg, 0, 4), std::string("446.00625"));
        QVERIFY(boxes->boxes.empty());
        // Away and back: the stored text shows again, its code stays empty.
        SelectGroup(*dlg, 1);
        QCOMPARE(edit->text(), QString());
        SelectGroup(*dlg, 0);
        QCOMPARE(edit->text(), QStringLiteral("446.00625"));
        QCOMPARE(Code(*dlg, 0, 4), std::string());
    }

    void partialTextIsDroppedOnGroupSwitch() {
        QLineEdit* edit = Edit(*dlg, 6);
        QTest::keyClicks(edit, "4460");
        QCOMPARE(Code(*dlg, 0, 6), std::string());
        SelectGroup(*dlg, 2);
        SelectGroup(*dlg, 0);
        QCOMPARE(edit->text(), QString());
        QTest::keyClicks(edit, "4460");
        QTest::keyClicks(edit, "06250"); // completed without a point
        QCOMPARE(edit->text(), QString());
        QCOMPARE(Code(*dlg, 0, 6), std::string("ffff"));
        QVERIFY(boxes->boxes.empty());
    }

    void editTakesAtMostNineCharacters() {
        QLineEdit* edit = Edit(*dlg, 0);
        QTest::keyClicks(edit, "400.000001");
        QCOMPARE(edit->text(), QStringLiteral("400.00000"));
        QCOMPARE(Code(*dlg, 0, 0), std::string("0000"));
        // Typed into the middle of a full edit: refused, nothing runs.
        edit->setCursorPosition(2);
        QTest::keyClicks(edit, "7");
        QCOMPARE(edit->text(), QStringLiteral("400.00000"));
        // A longer paste is refused as a whole.
        edit->selectAll();
        Paste(edit, "410.000000");
        QCOMPARE(edit->text(), QStringLiteral("400.00000"));
        QCOMPARE(Code(*dlg, 0, 0), std::string("0000"));
        // Nine characters as the operator sees them, whatever they are made of.
        ClearEdit(edit);
        Paste(edit, QStringLiteral("😀😀😀😀😀😀😀😀😀😀"));
        QCOMPARE(edit->text(), QString());
        Paste(edit, QStringLiteral("12345678😀"));
        QCOMPARE(boxes->texts(), QStringList{kPleaseInputInteger});
        QCOMPARE(edit->text(), QString());
        dlg->UpdateData(true);
        QCOMPARE(dlg->m_record.m_strChannel[0], std::string());
    }

    void sameChannelInTwoGroupsKeepsTwoEntries() {
        QLineEdit* ch3 = Edit(*dlg, 2);
        QTest::keyClicks(ch3, "433.07500");
        SelectGroup(*dlg, 1);
        QCOMPARE(ch3->text(), QString());
        QTest::keyClicks(ch3, "446.00625");
        QCOMPARE(Code(*dlg, 0, 2), std::string("14ac"));
        QCOMPARE(Code(*dlg, 1, 2), std::string("1cc1"));
        QCOMPARE(Stored(*dlg, 0, 2), std::string("433.07500"));
        QCOMPARE(Stored(*dlg, 1, 2), std::string("446.00625"));
        SelectGroup(*dlg, 0);
        QCOMPARE(ch3->text(), QStringLiteral("433.07500"));
    }

    void realMessageBoxIsModalToTheDialog() {
        boxes.reset(); // the real box this time
        QString caption;
        bool modalToDialog = false;
        QString standing;
        WhenModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            caption = box->windowTitle();
            modalToDialog = box->parentWidget() == dlg.get() && box->isModal();
            standing = Edit(*dlg, 0)->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClicks(Edit(*dlg, 0), "4a");
        QCOMPARE(caption, AfxGetAppName());
        QVERIFY(modalToDialog);
        QCOMPARE(standing, QStringLiteral("4a"));
        QCOMPARE(Edit(*dlg, 0)->text(), QString());
        boxes = std::make_unique<MessageBoxRecorder>();
    }
};

QTEST_MAIN(ChannelEntry)
#include "tst_channelentry.moc"
