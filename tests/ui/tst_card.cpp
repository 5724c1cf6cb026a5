// The channel card: from the window as a PDF whose text holds the title, every frequency and every name on one
// page, and from the command line without a display, refusing a bad setting file as velmar-send does.

#include "UiTestSupport.h"

#include "ChannelCard.h"
#include "ChannelEntry.h"
#include "SettingFile.h"

#include <QDate>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

using namespace velmar;
using namespace velmar::test;

namespace {

// Every channel of every group with a frequency, most with a name, and a title and notes.
RadioSettings FullSetting() {
    RadioSettings s;
    s.m_nMode = kGroupMode;
    s.m_strTitle = "Summer camp \u2013 Lakeside";
    s.m_strNotes = "Call the gate on A2.\nMedic day and night.";
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        for (std::size_t c = 0; c < kChannelCount; ++c) {
            const EnteredChannel e =
                EnterWholeText("4" + std::to_string(10 + 10 * g) + ".0" + std::to_string(c) + "125");
            s.m_strGroupChannel[g][c] = e.text;
            s.m_strGroupCode[g][c] = e.code;
            if (c != 4) {
                s.m_strGroupName[g][c] =
                    (g % 2 ? "K\u00fcche " : "Office ") + std::string(1, char('A' + g)) + std::to_string(c + 1);
            }
        }
    }
    return s;
}

// The text of a PDF as poppler reads it, and its page count.
QString PdfText(const QString& pdf) {
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    return text.waitForFinished(20000) ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
}

int PdfPages(const QString& pdf) {
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished(20000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const auto at = out.indexOf("Pages:");
    return at < 0 ? 0 : out.mid(at + 6).section('\n', 0, 0).trimmed().toInt();
}

} // namespace

class Card : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    QString Written(const RadioSettings& s) {
        const QString path = home.filePath("camp.velmar");
        FileFailure error;
        return WriteSettingFile(path.toStdString(), s, &error) ? path : QString();
    }

private slots:
    void initTestCase() { KeepUserFilesApart(); }

    void theCardHoldsTheTitleEveryFrequencyAndEveryNameOnOnePage() {
        MessageBoxRecorder boxes;
        auto dlg = OpenDialog();
        const RadioSettings s = FullSetting();
        QVERIFY(dlg->Document().Load(Written(s)));
        const QString pdf = home.filePath("card.pdf");
        QVERIFY(dlg->Document().ExportCard(pdf));
        QCOMPARE(PdfPages(pdf), 1);
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QString::fromStdString(s.m_strTitle)), qPrintable(text));
        QVERIFY(text.contains("Medic day and night."));
        for (std::size_t g = 0; g < kGroupCount; ++g) {
            for (std::size_t c = 0; c < kChannelCount; ++c) {
                QVERIFY2(text.contains(QString::fromStdString(s.m_strGroupChannel[g][c])),
                         s.m_strGroupChannel[g][c].c_str());
                QVERIFY2(text.contains(QString::fromStdString(s.m_strGroupName[g][c])), s.m_strGroupName[g][c].c_str());
            }
        }
        QVERIFY(boxes.boxes.empty());
    }

    // Nothing given is left out: a word longer than a line is broken, not cut at the edge; notes longer than a
    // page go on over the next; a line after many blank ones is there.
    void longTextIsWrappedAndGoesOnOverPages() {
        std::string lines;
        for (int i = 1; i <= 400; ++i) {
            lines += std::to_string(i) + "\n";
        }
        const struct {
            std::string notes;
            const char* last; // what must be on the card
        } kCases[] = {{std::string(2000, '#'), "#"}, {lines, "\n400"}, {std::string(1996, '\n') + "END", "END"}};
        for (const auto& c : kCases) {
            RadioSettings s = FullSetting();
            s.m_strTitle = std::string(60, '%');
            s.m_strNotes = c.notes;
            const QString pdf = home.filePath("long.pdf");
            QString error;
            QVERIFY2(
                WriteChannelCardPdf(pdf, s, {QString::fromStdString(s.m_strTitle), QDate(2026, 12, 7), {}}, &error),
                qPrintable(error));
            const QString text = PdfText(pdf);
            QCOMPARE(text.count(QLatin1Char('%')), 60);
            QCOMPARE(text.count(QLatin1Char('#')), int(std::count(c.notes.begin(), c.notes.end(), '#')));
            QVERIFY2(text.contains(c.last), c.last);
        }
    }

    // As a shop's script runs it: no display, exit 0 with the card, 2 with the file's refusal and no card.
    void fromTheCommandLineWithoutADisplay() {
        QProcess velmar;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.remove(name);
        }
        velmar.setProcessEnvironment(env);
        const QString pdf = home.filePath("script.pdf");
        velmar.start(VELMAR_BIN, {"--card", pdf, Written(FullSetting())});
        QVERIFY(velmar.waitForFinished(30000));
        QCOMPARE(velmar.exitCode(), 0);
        QVERIFY(PdfText(pdf).contains("Office G7"));

        // In the person's language: Velmar's labels and the date as the locale writes them; the dialog's own words
        // (the groups, the spacing) as the radio's users know them.
        QProcessEnvironment german = env;
        german.insert("LANGUAGE", "de");
        german.insert("LC_ALL", "de_DE.UTF-8");
        velmar.setProcessEnvironment(german);
        velmar.start(VELMAR_BIN, {"--card", pdf, Written(FullSetting())});
        QVERIFY(velmar.waitForFinished(30000));
        QCOMPARE(velmar.exitCode(), 0);
        const QString germanCard = PdfText(pdf);
        const QString made =
            QLocale(QLocale::German, QLocale::Germany).toString(QDate::currentDate(), QLocale::LongFormat);
        for (const QString& said : {QString("Kanal"), QString("Frequenz"), "Erstellt am " + made, QString("Group A")}) {
            QVERIFY2(germanCard.simplified().contains(said), qPrintable(said + " in:\n" + germanCard));
        }
        // And its refusal of a command line, with the help that follows it.
        velmar.start(VELMAR_BIN, {"--card", pdf});
        QVERIFY(velmar.waitForFinished(30000));
        QCOMPARE(velmar.exitCode(), 2);
        const QString refusal = QString::fromUtf8(velmar.readAllStandardError());
        QVERIFY2(refusal.startsWith("velmar: --card braucht eine DATEI.velmar") &&
                     refusal.contains("\nAufruf: velmar [OPTION]... [DATEI.velmar]\n"),
                 qPrintable(refusal));
        velmar.setProcessEnvironment(env);

        const QString bad = home.filePath("bad.velmar");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(R"({"format": "velmar-setting", "version": 9})") > 0);
        file.close();
        velmar.start(VELMAR_BIN, {"--card", home.filePath("bad.pdf"), bad});
        QVERIFY(velmar.waitForFinished(30000));
        QCOMPARE(velmar.exitCode(), 2);
        QVERIFY(QString::fromLocal8Bit(velmar.readAllStandardError()).contains(bad + ": version: is 9"));
        QVERIFY(!QFile::exists(home.filePath("bad.pdf")));

        // Without a font every text would be a black bar: refused, naming the font, and no card.
        QFile fonts(home.filePath("fonts.conf"));
        QVERIFY(fonts.open(QIODevice::WriteOnly) &&
                fonts.write(QString("<?xml version=\"1.0\"?>\n<fontconfig><dir>%1</dir><cachedir>%1</cachedir>"
                                    "</fontconfig>\n")
                                .arg(home.filePath("no-fonts"))
                                .toUtf8()) > 0);
        fonts.close();
        QProcessEnvironment noFonts = env;
        noFonts.insert("FONTCONFIG_FILE", fonts.fileName());
        velmar.setProcessEnvironment(noFonts);
        velmar.start(VELMAR_BIN, {"--card", home.filePath("nofont.pdf"), Written(FullSetting())});
        QVERIFY(velmar.waitForFinished(30000));
        QCOMPARE(velmar.exitCode(), 1);
        QVERIFY(QString::fromLocal8Bit(velmar.readAllStandardError()).contains("install DejaVu Sans"));
        QVERIFY(!QFile::exists(home.filePath("nofont.pdf")));
        velmar.setProcessEnvironment(env);

        // A card over the setting it is made from, by its name or through a link, is refused and the setting stays.
        const QString setting = Written(FullSetting());
        const QByteArray before = [&] {
            QFile in(setting);
            return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        }();
        QVERIFY(QFile::link(setting, home.filePath("link.pdf")));
        for (const QString& out : {setting, home.filePath("link.pdf")}) {
            velmar.start(VELMAR_BIN, {"--card", out, setting});
            QVERIFY(velmar.waitForFinished(30000));
            QCOMPARE(velmar.exitCode(), 1);
            QVERIFY(QString::fromLocal8Bit(velmar.readAllStandardError()).contains("the setting file it is made from"));
            QFile in(setting);
            QVERIFY(in.open(QIODevice::ReadOnly) && in.readAll() == before);
        }
    }
};

QTEST_MAIN(Card)
#include "tst_card.moc"
