// Setting files and channel lists in the window: open, send what was opened,
// unsaved changes, the command line's file, a dropped file, the recent files,
// CSV import and export, and the history of sent settings.

#include "UiTestSupport.h"

#include "ChannelCsv.h"
#include "ChannelEntry.h"
#include "Orv.h"
#include "Preferences.h"
#include "ProgrammingFrame.h"
#include "PtyRadio.h"
#include "SentHistory.h"
#include "SettingFile.h"
#include "Unsaved.h"
#include "WinApp.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace velmar;
using namespace velmar::test;

namespace {

// A setting unlike the defaults in every part the frame carries.
RadioSettings ClubSetting() {
    RadioSettings s;
    const char* texts[] = {"446.00625", "446.01875", "433.07500"};
    for (int c = 0; c < 3; ++c) {
        const EnteredChannel e = EnterWholeText(texts[c]);
        s.m_strGroupChannel[0][static_cast<std::size_t>(c)] = e.text;
        s.m_strGroupCode[0][static_cast<std::size_t>(c)] = e.code;
    }
    const EnteredChannel h8 = EnterWholeText("499.99375");
    s.m_strGroupChannel[7][7] = h8.text;
    s.m_strGroupCode[7][7] = h8.code;
    s.m_nGroupSpacing[0] = 1;
    s.m_nGroupSpacing[5] = 1;
    s.m_nScanDelay = 10;
    s.m_strBclo = "CT On";
    s.m_nButtonLongTime = 2;
    s.m_nCtcss = 2;
    s.m_nSelfTone = 1;
    s.m_nMode = 2;
    s.m_nBand = 4;
    return s;
}

std::vector<std::uint8_t> FrameOf(RadioSettings s) {
    const auto bytes = BuildProgrammingFrame(s).bytes;
    return {bytes.begin(), bytes.end()};
}

} // namespace

class Files : public QObject {
    Q_OBJECT

    QTemporaryDir home;
    std::unique_ptr<MessageBoxRecorder> boxes;
    std::unique_ptr<COrvDlg> dlg;

    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QStringList RecentFiles() {
        Preferences prefs;
        FileFailure error;
        ReadPreferences(PreferencesPath(), &prefs, &error);
        QStringList files;
        for (const std::string& f : prefs.recentFiles) {
            files << QString::fromStdString(f);
        }
        return files;
    }

    QString Write(const QString& name, const std::string& text) {
        QFile f(home.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(text.data(), static_cast<qint64>(text.size()));
        return f.fileName();
    }

private slots:
    void initTestCase() {
        // What the window remembers and the history go to this run's own folder.
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        qputenv("XDG_STATE_HOME", home.filePath("state").toUtf8());
    }
    void init() {
        boxes = std::make_unique<MessageBoxRecorder>();
        dlg = OpenDialog();
    }
    void cleanup() {
        dlg.reset();
        boxes.reset();
    }

    void anOpenedFileIsWhatSendSends() {
        const QString club = Write("club.velmar", SettingToJson(ClubSetting()));
        QVERIFY(dlg->Document().Load(club));
        QCOMPARE(dlg->windowTitle(), QString("Velmar - club.velmar"));
        // As if entered by hand: the mode with its enabling, group A with its spacing and channels.
        QVERIFY(Checked(*dlg, IDC_MODE_GROUP) && dlg->IsWindowEnabled(IDC_CH1) && Checked(*dlg, IDC_SPACING_25K));
        QCOMPARE(Edit(*dlg, 1)->text(), QString("446.01875"));
        QCOMPARE(Combo(*dlg, IDC_BCLO)->currentText(), QString("CT On"));
        QVERIFY(!dlg->Document().IsModified());
        QCOMPARE(RecentFiles().value(0), club);
        QMenu* recent = MenuNamed(*dlg, "&File")->actions()[2]->menu();
        emit recent->aboutToShow();
        QCOMPARE(recent->actions()[0]->text(), "&1 " + club); // numbered, the newest first
        const RadioSettings expected = ClubSetting();

        PtyRadio radio;
        qputenv("VELMAR_COM1", QByteArray::fromStdString(radio.Device()));
        Click(*dlg, IDC_CONNECT);
        Click(*dlg, IDC_SEND);
        QVERIFY(QTest::qWaitFor([&] { return !dlg->IsSending(); }, 15000));
        QTest::qWait(100);
        QCOMPARE(radio.Received(), FrameOf(expected));
        // Kept in the history, as a setting file that reads back as what was sent.
        const auto sent = NewestSentFiles(SentHistoryDir(), 5);
        QCOMPARE(sent.size(), std::size_t(1));
        RadioSettings kept;
        FileFailure error;
        QVERIFY(ReadSettingFile(sent.front(), &kept, &error));
        QCOMPARE(FrameOf(kept), FrameOf(expected));
        qunsetenv("VELMAR_COM1");

        // The record opens as a copy: named as a record, not among the recent files, and Save asks for a new file.
        const QString record = QString::fromStdString(sent.front());
        const QByteArray proof = ReadAll(record);
        QVERIFY(dlg->Document().Load(record));
        const SentRecordName name = *ParseSentRecordName(QFileInfo(record).fileName().toStdString());
        QVERIFY2(dlg->windowTitle().startsWith("Velmar - record of the Send of ") &&
                     dlg->windowTitle().endsWith(QString::asprintf("checksum 0x%02X", name.checksum)),
                 qPrintable(dlg->windowTitle()));
        QVERIFY(!RecentFiles().contains(record));
        Combo(*dlg, IDC_PTT_TOT)->setCurrentIndex(3);
        const QString copy = home.filePath("copy.velmar");
        WhenModal([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY2(files != nullptr, "Save acts as Save As");
            files->selectFile(copy);
            static_cast<QDialog*>(files)->accept();
        });
        QTest::keyClick(dlg.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dlg->windowTitle(), QString("Velmar - copy.velmar"));
        QCOMPARE(ReadAll(record), proof);
        QVERIFY(!(QFileInfo(record).permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)));
    }

    // Every hostile file gets one box naming the file and why, at once, and leaves the window as it was: a
    // channel list through the offer to import it, a FIFO without waiting.
    void aRefusedFileLeavesTheWindowAsItWas() {
        Click(*dlg, IDC_MODE_GROUP);
        QTest::keyClicks(Edit(*dlg, 0), "446.00625");
        QTRY_COMPARE(dlg->windowTitle(), QString("Velmar *"));
        const RadioSettings before = dlg->m_record;
        const QString fifo = home.filePath("fifo.velmar");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        std::string rows = "Location,Frequency\n";
        for (int i = 0; i < 10001; ++i) {
            rows += "1,446.00625\n";
        }
        const QString files[] = {Write("bad.velmar", R"({"format": "velmar-setting", "version": 9})"),
                                 Write("overflow.velmar", R"({"format": "velmar-setting", "version": 1e999})"),
                                 Write("deep.velmar", std::string(100000, '[')),
                                 Write("twice.velmar", R"({"format": "velmar-setting", "format": "velmar-setting"})"),
                                 Write("huge.velmar", std::string(2 << 20, '[')),
                                 Write("many.csv", rows),
                                 fifo};
        for (const QString& path : files) {
            boxes->clear();
            QElapsedTimer clock;
            clock.start();
            boxes->answer = path.endsWith(".csv") ? IDOK : 0; // the offer to import a list is taken
            QVERIFY(!dlg->Document().Load(path));
            QVERIFY2(clock.elapsed() < 2000, qPrintable(path));
            QVERIFY2(boxes->texts().back().startsWith(path), qPrintable(boxes->texts().back().left(300)));
            QVERIFY(SameSetting(dlg->m_record, before) && Edit(*dlg, 0)->text() == "446.00625");
            QCOMPARE(dlg->windowTitle(), QString("Velmar *"));
        }
        boxes->answer = 0;
    }

    // Moves this window's kept work to the name of a window that ended at `when`, its lock free.
    static QString LeaveBehind(const QString& kept, const QString& id, const QDateTime& when) {
        const QString folder = QFileInfo(kept).path();
        const QString path = folder + "/unsaved-" + id + ".velmar";
        QFile lock(folder + "/unsaved-" + id + ".lock");
        if (!QFile::rename(kept, path) || !lock.open(QIODevice::WriteOnly)) {
            return {};
        }
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(when, QFileDevice::FileModificationTime);
        return path;
    }

    // Changes no file holds are kept against a crash, and offered at the next start.
    void unsavedChangesOutliveACrash() {
        Combo(*dlg, IDC_PTT_TOT)->setCurrentIndex(3);
        const QString kept = QString::fromStdString(UnsavedPath());
        QTRY_VERIFY(QFile::exists(kept));
        QVERIFY(dlg->Document().Save(home.filePath("kept.velmar")));
        QVERIFY(!QFile::exists(kept));
        // What is typed and not yet settled is on the screen, so it is kept too.
        Click(*dlg, IDC_MODE_GROUP);
        QVERIFY(dlg->Document().Save(home.filePath("kept.velmar")));
        QTest::keyClicks(Edit(*dlg, 0), "446.1");
        QTRY_VERIFY(QFile::exists(kept));
        QFile typed(kept);
        QVERIFY(typed.open(QIODevice::ReadOnly) && typed.readAll().contains("\"446.1\""));

        // What two killed windows left behind: their locks are free. Text typed and not yet settled is kept and
        // comes back as text to settle, in its group.
        RadioSettings left = ClubSetting();
        left.m_nMode = kGroupMode;
        left.m_nGroup = 1;
        left.m_strChannel[2] = "446.1";
        FileFailure error;
        QVERIFY(KeepUnsaved(left, home.filePath("kept.velmar").toStdString(), &error));
        const QString older = LeaveBehind(kept, "1-dead0001", QDateTime::currentDateTime().addSecs(-60));
        QVERIFY(KeepUnsaved(RadioSettings{}, "", &error));
        const QString newer = LeaveBehind(kept, "1-dead0002", QDateTime::currentDateTime());
        // A window still running holds its lock: its work is never offered, whatever its name says.
        QVERIFY(KeepUnsaved(RadioSettings{}, "", &error));
        const QString running = LeaveBehind(kept, "1-live0003", QDateTime::currentDateTime());
        QFile lock(QString(running).replace(".velmar", ".lock"));
        QVERIFY(lock.open(QIODevice::ReadWrite) && ::flock(lock.handle(), LOCK_EX | LOCK_NB) == 0);

        // Later, or a box closed by a signal: everything stays.
        boxes->answer = IDCANCEL;
        dlg.reset();
        boxes->clear();
        dlg = OpenDialog();
        QTRY_COMPARE(boxes->boxes.size(), std::size_t(1));
        QCOMPARE(boxes->boxes[0].type, MB_RESTOREDISCARD);
        QVERIFY(boxes->texts()[0].startsWith("(1 of 2 windows) ") && boxes->texts()[0].contains("(no channels)"));
        QVERIFY(QFile::exists(older) && QFile::exists(newer) && QFile::exists(running));
        // Discard the newest, restore the other: each is offered, and only the one answered for goes.
        boxes->answer = 0;
        boxes->onShow = [this](QMessageBox&) { boxes->answer = boxes->boxes.size() == 1 ? IDNO : IDYES; };
        dlg.reset();
        boxes->clear();
        dlg = OpenDialog();
        QTRY_COMPARE(boxes->boxes.size(), std::size_t(2));
        boxes->onShow = nullptr;
        boxes->answer = 0;
        QVERIFY(boxes->texts()[1].contains("without saving the changes to kept.velmar (4 channels in 2 groups)"));
        QCOMPARE(FrameOf(dlg->m_record), FrameOf(left));
        QCOMPARE(dlg->windowTitle(), QString("Velmar - kept.velmar *"));
        QVERIFY(!QFile::exists(older) && !QFile::exists(newer) && QFile::exists(running));
        lock.close();
        QFile::remove(running);
        QVERIFY(Combo(*dlg, IDC_GROUP)->currentIndex() == 1 && Edit(*dlg, 2)->text() == "446.1");
        Edit(*dlg, 2)->setFocus();
        Edit(*dlg, 3)->setFocus();
        QCOMPARE(Stored(*dlg, 1, 2), std::string("446.10000"));

        // A second close signal while the question is up closes the box and ends the window, and the changes stay
        // for the next start.
        CWinApp ending;
        ending.m_nCloseSignals = 1;
        Combo(*dlg, IDC_PTT_TOT)->setCurrentIndex(2);
        QTRY_VERIFY(dlg->Document().IsModified());
        QVERIFY(dlg->UpdateData(true));
        const RadioSettings shown = dlg->m_record;
        boxes->clear();
        boxes->onShow = [&](QMessageBox&) {
            ending.m_nCloseSignals = 2;
            boxes->answer = IDCANCEL; // as the signal closes the box
        };
        dlg->close();
        boxes->onShow = nullptr;
        boxes->answer = 0;
        QVERIFY(!dlg->isVisible() && boxes->boxes.size() == 1);
        dlg.reset();
        RadioSettings stays;
        QVERIFY(ReadSettingFile(kept.toStdString(), &stays, &error));
        QCOMPARE(FrameOf(stays), FrameOf(shown));
        QFile::remove(kept);
        dlg = OpenDialog();
    }

    // A file another program wrote since it was opened or saved here is not saved over without a question.
    void aFileChangedOnDiskIsNotSavedOverSilently() {
        const QString path = home.filePath("shared.velmar");
        QVERIFY(dlg->Document().Save(path));
        Combo(*dlg, IDC_PTT_TOT)->setCurrentIndex(1);
        boxes->clear();
        QVERIFY(dlg->Document().Save(path));
        QVERIFY(boxes->boxes.empty()); // saved here last: no question
        RadioSettings theirs = ClubSetting();
        FileFailure error;
        QVERIFY(WriteSettingFile(path.toStdString(), theirs, &error));
        Combo(*dlg, IDC_PTT_TOT)->setCurrentIndex(2);
        boxes->answer = IDCANCEL;
        QVERIFY(!dlg->Document().Save(path));
        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QCOMPARE(boxes->boxes[0].type, MB_OVERWRITESAVEAS);
        QVERIFY(boxes->texts()[0].startsWith("shared.velmar was changed by another program"));
        RadioSettings onDisk;
        QVERIFY(ReadSettingFile(path.toStdString(), &onDisk, &error) && SameSetting(onDisk, theirs));
        boxes->answer = IDYES;
        QVERIFY(dlg->Document().Save(path));
        QVERIFY(ReadSettingFile(path.toStdString(), &onDisk, &error) && onDisk.m_nPttTot == 2);
        boxes->answer = 0;
        boxes->clear();
    }

    void unsavedChangesAreAskedForOnClose() {
        const QString path = home.filePath("mine.velmar");
        QVERIFY(dlg->Document().Save(path));
        QCOMPARE(dlg->windowTitle(), QString("Velmar - mine.velmar"));
        Combo(*dlg, IDC_PTT_TOT)->setCurrentIndex(3);
        QTRY_COMPARE(dlg->windowTitle(), QString("Velmar - mine.velmar *"));
        // Cancel keeps the window; Save writes the change and closes.
        boxes->answer = IDCANCEL;
        dlg->close();
        QVERIFY(dlg->isVisible());
        QCOMPARE(boxes->boxes.back().type, MB_SAVEDISCARDCANCEL);
        QStringList buttons = boxes->boxes.back().buttons;
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Cancel", "Discard", "Save"}));
        QTest::keyClick(dlg.get(), Qt::Key_Escape); // Escape asks too
        QCOMPARE(boxes->boxes.size(), std::size_t(2));
        QVERIFY(dlg->isVisible());
        boxes->answer = IDYES;
        dlg->close();
        QVERIFY(!dlg->isVisible());
        RadioSettings saved;
        FileFailure error;
        QVERIFY(ReadSettingFile(path.toStdString(), &saved, &error));
        QCOMPARE(saved.m_nPttTot, 3);
        // A change back to what is saved is no change.
        dlg = OpenDialog();
        Combo(*dlg, IDC_PTT_TOT)->setCurrentIndex(2);
        Combo(*dlg, IDC_PTT_TOT)->setCurrentIndex(0);
        boxes->clear();
        dlg->close();
        QVERIFY(!dlg->isVisible() && boxes->boxes.empty());
    }

    void theCommandLinesFileAndADroppedFileAreOpened() {
        const StartOptions options = ParseCommandLine({"-platform", "offscreen", "club.velmar"});
        QVERIFY(options.refusal.kind == CommandLineRefusal::Kind::None && options.file == "club.velmar" &&
                !options.help);
        QCOMPARE(ParseCommandLine({"a.velmar", "b.velmar"}).refusal.files, 2u);
        QCOMPARE(ParseCommandLine({"--prot", "x"}).refusal.option, std::string("--prot"));
        for (const std::vector<std::string>& empty :
             {std::vector<std::string>{"--port", ""}, {"--card", "", "a.velmar"}, {"--card=", "a.velmar"}}) {
            QCOMPARE(ParseCommandLine(empty).refusal.kind, CommandLineRefusal::Kind::NeedsValue);
        }
        QVERIFY(ParseCommandLine({"--help"}).help && ParseCommandLine({"--version"}).version);

        const QString club = Write("club.velmar", SettingToJson(ClubSetting()));
        dlg.reset();
        dlg = std::make_unique<COrvDlg>();
        dlg->SetStartFile(club);
        dlg->Create();
        dlg->show();
        QTRY_COMPARE(dlg->windowTitle(), QString("Velmar - club.velmar"));

        Write("other.velmar", SettingToJson(RadioSettings{}));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(home.filePath("other.velmar"))});
        QVERIFY(dlg->OpenDropped(&data));
        QCOMPARE(dlg->windowTitle(), QString("Velmar - other.velmar"));
        QVERIFY(Checked(*dlg, IDC_MODE_PMR) && !dlg->IsWindowEnabled(IDC_CH1));
    }

    void channelListsInAndOut() {
        const std::string csv = "Location,Name,Frequency,Mode\n"
                                "2,A2,446.006300,NFM\n"
                                "9,B1,433.075000,FM\n"
                                "10,B2,520.000000,FM\n"
                                "70,X,446.000000,FM\n";
        // Opened by mistake, a list says what it is and offers to import it.
        QVERIFY(dlg->Document().Load(Write("in.csv", csv)));
        QCOMPARE(boxes->boxes.front().type, MB_IMPORTCANCEL);
        // Before anything changes, a preview says what each way changes, with the channels and notes in view.
        QCOMPARE(boxes->boxes[1].type, MB_IMPORTWAY | MB_DETAILS);
        QStringList buttons = boxes->boxes[1].buttons;
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Cancel", "Hide Details...", "Merge into the file's Locations",
                                       "Replace all channels"})); // the detail open from the start
        QCOMPARE(boxes->texts()[1], QString("The rows of in.csv name 2 channels. 2 rows are not taken.\n"
                                            "Merge into the file's Locations: 2 channels change; the channels the "
                                            "rows do not name stay as they are.\nReplace all channels: 2 channels "
                                            "change; the channels the rows do not name are emptied.\nGroup B "
                                            "changes from 12.5Khz to 25Khz: its rows say FM."));
        QVERIFY2(boxes->boxes[1].detail.startsWith("Channels the rows change:\nGroup A CH2: empty \u2192 "
                                                   "446.00625\nGroup B CH1: empty \u2192 433.07500\n\nRows not "
                                                   "taken"),
                 qPrintable(boxes->boxes[1].detail));
        QCOMPARE(dlg->StatusLine()->NoteText(), QString("Merged in.csv into its Locations: 2 channels changed."));
        QVERIFY(dlg->m_record.m_strGroupChannel[0][1] == "446.00625" && Code(*dlg, 1, 0) == "14ac");
        QCOMPARE(dlg->m_record.m_nGroupSpacing[1], 1);
        Click(*dlg, IDC_MODE_GROUP);
        QCOMPARE(Edit(*dlg, 1)->text(), QString("446.00625"));
        QVERIFY(dlg->Document().IsModified());

        const QString out = home.filePath("out.csv");
        QVERIFY(dlg->Document().Export(out));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().toStdString(), ExportChannelsCsv(dlg->m_record));

        // Replacing all channels empties what the list does not name; Cancel changes nothing.
        QVERIFY(dlg->PasteGroup("446.1\n"));
        boxes->answer = IDCANCEL;
        QVERIFY(!dlg->Document().Import(out));
        QCOMPARE(dlg->m_record.m_strGroupChannel[0][0], std::string("446.10000"));
        boxes->answer = IDNO;
        QVERIFY(dlg->Document().Import(Write("b.csv", "Location,Frequency\n9,433.1\n")));
        QVERIFY(dlg->m_record.m_strGroupChannel[0][0].empty() && dlg->m_record.m_strGroupChannel[0][1].empty());
        QCOMPARE(dlg->m_record.m_strGroupChannel[1][0], std::string("433.10000"));
        QCOMPARE(dlg->StatusLine()->NoteText(), QString("Replaced all channels with b.csv: 3 channels changed."));
    }
};

QTEST_MAIN(Files)
#include "tst_files.moc"
