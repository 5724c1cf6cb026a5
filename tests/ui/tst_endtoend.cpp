// Velmar and the simulated radio, each in its own process as a user runs
// them: the setting entered in the window is what the radio decodes.

#include "UiTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using namespace velmar;
using namespace velmar::test;

class EndToEnd : public QObject {
    Q_OBJECT

private slots:
    void settingEnteredIsSettingReceived() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString port = dir.filePath("com1");
        QProcess radio;
        radio.start(VELMAR_RADIO, {"--link", port, "--json", "--count", "1", "--reply", "06"});
        QVERIFY(radio.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(port); }, 5000));
        qputenv("VELMAR_COM1", port.toUtf8());

        MessageBoxRecorder boxes;
        auto dlg = OpenDialog();
        Click(*dlg, IDC_MODE_GROUP);
        // Group A at 12.5 kHz with two channels, group C at 25 kHz with one.
        QTest::keyClicks(Edit(*dlg, 0), "446.00625");
        QTest::keyClicks(Edit(*dlg, 7), "433.07501");
        SelectGroup(*dlg, 2);
        Click(*dlg, IDC_SPACING_25K);
        QTest::keyClicks(Edit(*dlg, 1), "500.00000");
        Combo(*dlg, IDC_SCAN_DELAY)->setCurrentIndex(10);
        Combo(*dlg, IDC_BCLO)->setCurrentIndex(2);
        Combo(*dlg, IDC_BUTTON_LONG)->setCurrentIndex(2);
        Combo(*dlg, IDC_BAND)->setCurrentIndex(5);
        Click(*dlg, IDC_CTCSS_50);
        Click(*dlg, IDC_SELF_TONE_OFF);

        Click(*dlg, IDC_CONNECT);
        QCOMPARE(boxes.texts(), QStringList{"COM1 Port Open"});
        Click(*dlg, IDC_SEND);
        QVERIFY(QTest::qWaitFor([&] { return !dlg->IsSending(); }, 15000));
        QVERIFY(radio.state() == QProcess::NotRunning || radio.waitForFinished(10000));
        QVERIFY(radio.exitStatus() == QProcess::NormalExit && radio.exitCode() == 0);
        // The radio's answer came back through the watch thread.
        QVERIFY(QTest::qWaitFor([&] { return dlg->m_nRxCount == 1; }, 3000));

        const QJsonObject frame = QJsonDocument::fromJson(radio.readAllStandardOutput()).object();
        QCOMPARE(frame["status"].toString(), QString("ok"));
        const QJsonArray groups = frame["groups"].toArray();
        QCOMPARE(groups.size(), 8);
        auto channels = [&](int g) { return groups[g].toObject()["channels"].toArray(); };
        QCOMPARE(channels(0), QJsonArray({"446.00625", "-", "-", "-", "-", "-", "-", "433.07500"}));
        QCOMPARE(channels(2), QJsonArray({"-", "500.00000", "-", "-", "-", "-", "-", "-"}));
        QCOMPARE(channels(1), QJsonArray({"-", "-", "-", "-", "-", "-", "-", "-"}));
        QVERIFY(groups[0].toObject()["spacing"] == "12.5Khz" && groups[2].toObject()["spacing"] == "25Khz");

        const std::pair<const char*, const char*> options[] = {
            {"Scan Delay Time", "60 Sec"}, {"BCLO", "CT On"},          {"Button long Time", "2.0 Sec"},
            {"Band Select", "460Mhz"},     {"CTCSS Select", "1 - 50"}, {"Self Tone Test", "Off"},
            {"Mode Select", "GRUOP"},      {"PTT FP", "OFF"}};
        for (const auto& [name, value] : options) {
            QCOMPARE(frame["options"].toObject()[name].toString(), QString(value));
        }
        QCOMPARE(frame["checksum"].toObject()["received"], frame["checksum"].toObject()["expected"]);
        // Each pause is measured by the window's Send test; here the radio counts its gaps.
        QCOMPARE(frame["pacing"].toObject()["gaps"].toArray().size(), 140);
        QVERIFY(boxes.texts() == QStringList{"COM1 Port Open"});
    }
};

QTEST_MAIN(EndToEnd)
#include "tst_endtoend.moc"
