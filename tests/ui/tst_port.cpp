// Choosing the cable in the window: which device COM1 is and why, the Port
// menu's entries, another device, the choice remembered and honoured by
// velmar-send, finding a cable by plugging it, and a missing device at Connect.

#include "UiTestSupport.h"

#include "PortChoice.h"
#include "Preferences.h"
#include "ProgrammingFrame.h"
#include "PtyRadio.h"
#include "SettingFile.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>

using namespace velmar;
using namespace velmar::test;

class Port : public QObject {
    Q_OBJECT

    std::unique_ptr<MessageBoxRecorder> boxes;

private slots:
    void init() {
        boxes = std::make_unique<MessageBoxRecorder>();
        KeepUserFilesApart();
        QFile::remove(QString::fromStdString(PreferencesPath()));
        qunsetenv("VELMAR_COM1");
    }
    void cleanup() { boxes.reset(); }

    void theStatusLineSaysWhichDeviceAndWhy() {
        FileFailure error;
        QVERIFY(UpdatePreferences([](Preferences& p) { p.port = "/dev/ttyUSB7"; }, &error));
        auto dlg = OpenDialog();
        QCOMPARE(dlg->StatusLine()->LinkText(), QString("COM1 = /dev/ttyUSB7 (remembered), closed"));
        dlg.reset();
        qputenv("VELMAR_COM1", "/dev/ttyUSB3");
        dlg = std::make_unique<COrvDlg>();
        dlg->SetCommandLinePort("/dev/ttyACM0");
        dlg->Create();
        QCOMPARE(dlg->StatusLine()->LinkText(), QString("COM1 = /dev/ttyACM0 (command line), closed"));
    }

    // What the window decides, velmar-send honours: the port chosen in the window is the one it programs.
    void velmarSendProgramsThePortChosenInTheWindow() {
        PtyRadio radio;
        const QString pty = QString::fromStdString(radio.Device());
        QVERIFY(OpenDialog()->Ports().Choose(pty));
        QTemporaryDir dir;
        const QString setting = dir.filePath("one.velmar");
        FileFailure error;
        QVERIFY(WriteSettingFile(setting.toStdString(), RadioSettings{}, &error));
        QProcess send;
        send.start(VELMAR_SEND, {setting});
        QVERIFY(send.waitForFinished(30000));
        QCOMPARE(send.exitCode(), 0);
        QVERIFY2(send.readAllStandardError().contains(QString("COM1 = %1 (remembered)").arg(pty).toUtf8()),
                 "velmar-send says which device and why");
        QCOMPARE(radio.Received().size(), std::size_t(kFrameSize));
    }

    void entriesByTheirStableNames() {
        // The system's list comes from the library loaded on demand, which the build puts where it is looked for.
        QString unlisted;
        SystemPorts(&unlisted);
        QVERIFY2(unlisted.isEmpty(), qPrintable(unlisted));

        PtyRadio usb, builtIn;
        QTemporaryDir byId;
        const QString stable = byId.filePath("usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0");
        QVERIFY(QFile::link(QString::fromStdString(usb.Device()), stable));
        const QList<PortEntry> entries =
            PortEntries({{QString::fromStdString(usb.Device()), "USB-Serial Controller", "Prolific", true},
                         {QString::fromStdString(builtIn.Device()), "", "", false}},
                        byId.path());
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].path, stable);
        QCOMPARE(entries[0].label,
                 QString("%1 (USB-Serial Controller, Prolific, %2)").arg(stable, QString::fromStdString(usb.Device())));
        QCOMPARE(entries[1].label, QString("%1 (built-in)").arg(QString::fromStdString(builtIn.Device())));
    }

    void anotherDeviceIsUsedAndRemembered() {
        PtyRadio radio;
        const QString pty = QString::fromStdString(radio.Device());
        {
            auto dlg = OpenDialog();
            QVERIFY(dlg->Ports().Choose(pty));
            QCOMPARE(dlg->StatusLine()->LinkText(), QString("COM1 = %1 (chosen), closed").arg(pty));
            Click(*dlg, IDC_CONNECT);
            QCOMPARE(boxes->texts(), QStringList{"COM1 Port Open"});
            // Connected, the port stays: the menu says why it cannot be changed.
            QVERIFY(!dlg->Ports().Choose("/dev/null"));
            QMenu* ports = MenuNamed(*dlg, "&Port");
            emit ports->aboutToShow();
            for (QAction* a : ports->actions()) {
                QVERIFY(a->isSeparator() || (!a->isEnabled() && a->toolTip().contains("Disconnect")));
            }
        }
        auto again = OpenDialog();
        QCOMPARE(again->Ports().Device(), pty);
        QCOMPARE(again->StatusLine()->LinkText(), QString("COM1 = %1 (remembered), closed").arg(pty));
    }

    void findMyCableChoosesWhatWasPluggedIn() {
        QTemporaryDir dev;
        auto dlg = OpenDialog();
        dlg->Ports().SetLister([&] { return QDir(dev.path()).entryList(QDir::System | QDir::Files); });
        PtyRadio cable;
        QTimer::singleShot(500, [&] { QFile::link(QString::fromStdString(cable.Device()), dev.filePath("ttyUSB0")); });
        QCOMPARE(dlg->Ports().FindCable(5), QString("ttyUSB0"));
        QCOMPARE(dlg->Ports().Device(), QString("ttyUSB0"));
        QVERIFY(boxes->boxes.empty());
        // Nothing plugged: said plainly, and COM1 stays.
        QCOMPARE(dlg->Ports().FindCable(1), QString());
        QCOMPARE(boxes->texts().size(), 1);
        QVERIFY(boxes->texts()[0].startsWith("Nothing changed") && boxes->texts()[0].contains("COM1 stays ttyUSB0"));
    }

    void aMissingDeviceListsThePortsPresent() {
        auto dlg = OpenDialog();
        dlg->Ports().SetLister([] { return QStringList{"/dev/ttyS0", "/dev/serial/by-id/usb-FTDI-port0"}; });
        QVERIFY(dlg->Ports().Choose("/dev/ttyUSB9"));
        Click(*dlg, IDC_CONNECT);
        QCOMPARE(boxes->texts(), QStringList{"Port Ofen Fail"});
        const QString detail = boxes->boxes[0].detail;
        QVERIFY2(detail.contains("/dev/ttyUSB9") && detail.contains("/dev/ttyS0\n/dev/serial/by-id/usb-FTDI-port0"),
                 qPrintable(detail));
    }
};

QTEST_MAIN(Port)
#include "tst_port.moc"
