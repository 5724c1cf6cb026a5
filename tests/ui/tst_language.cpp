// The window in the person's language: the translation loaded for the locale names the menus, the status lines
// and the counts in it, while the dialog's own texts stay as the radio's users know them.

#include "UiTestSupport.h"

#include "MessageBoxes.h"
#include "MessageLog.h"
#include "PortChoice.h"
#include "StatusLine.h"
#include "Translate.h"
#include "Translations.h"
#include "Words.h"

#include <QLabel>

#include <QRawFont>
#include <algorithm>

using namespace velmar;
using namespace velmar::test;

class Language : public QObject {
    Q_OBJECT

private slots:
    void theWindowSpeaksTheLocalesLanguageAndKeepsTheDialogsOwnTexts() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        LoadTranslations(*qApp);
        auto dlg = OpenDialog();
        QCOMPARE(dlg->MenuBar()->actions()[0]->text(), QString("&Datei"));
        QCOMPARE(MenuNamed(*dlg, "&Funkgerät")->actions()[0]->text(), QString("&Verbinden"));
        QCOMPARE(PortEntries({{"/dev/ttyS0", "", "", false}}, "/nonexistent")[0].label,
                 QString("/dev/ttyS0 (eingebaut)"));
        {
            MessageBoxRecorder boxes;
            MenuNamed(*dlg, "&Bearbeiten")->actions().back()->trigger();
            QCOMPARE(boxes.texts(), QStringList{"Nichts zu prüfen: In diesem Modus nutzt das Funkgerät seine eigenen "
                                                "Kanäle, nicht die Gruppen."});
            QCOMPARE(boxes.boxes[0].caption, QString("Einstellung prüfen"));
        }
        QVERIFY(dlg->StatusLine()->LinkText().endsWith(", geschlossen"));
        QCOMPARE(dlg->StatusLine()->ReceivedText(), QString("Empfangen: 0"));
        QVERIFY(dlg->StatusLine()->HintText().contains("Wählen Sie \u201eGRUOP\u201c"));
        // What the window shows as it opens is drawn in the face of its place, so nothing sends the opening
        // window through fontconfig for another face: the menu titles in the dialog's face, the status lines
        // (with their „) in the system's.
        const auto drawnIn = [](const QFont& font, const QString& text) {
            const QRawFont face = QRawFont::fromFont(font);
            return std::all_of(text.begin(), text.end(), [&](QChar c) { return face.supportsCharacter(c); });
        };
        QString titles;
        for (const QAction* menu : dlg->MenuBar()->actions()) {
            titles += menu->text();
        }
        QVERIFY(drawnIn(dlg->font(), titles));
        QVERIFY(drawnIn(dlg->StatusLine()->font(), dlg->StatusLine()->LinkText() + dlg->StatusLine()->ReceivedText() +
                                                       dlg->StatusLine()->HintText()));
        QStringList captions;
        for (const QLabel* label : dlg->findChildren<QLabel*>()) {
            captions << label->text();
        }
        QVERIFY(captions.contains("Scan Delay Time") && captions.contains("Band Select"));
        QCOMPARE(Combo(*dlg, IDC_SCAN_DELAY)->itemText(0), QString("OFF"));
        // Counts in the locale's form, and the plural the language has for them.
        QCOMPARE(res::Number(1234), std::string("1.234"));
        QCOMPARE(res::Decimal(2.5, 1), std::string("2,5"));
        QCOMPARE(res::DateTime(2026, 12, 7, 14, 2), std::string("07.12.26 14:02"));
        // The Messages window's times: to the second, in the locale's form, a later line under the first.
        const qint64 at = QDateTime(QDate(2026, 12, 7), QTime(14, 2, 3)).toMSecsSinceEpoch();
        QCOMPARE(CMessageLog::Line({at, "Port Ofen Fail\n/dev/ttyUSB9"}), QString("14:02:03  Port Ofen Fail\n"
                                                                                  "          /dev/ttyUSB9"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(CMessageLog::Line({at, "a\nb"}).replace(QChar(0x202f), ' '), QString("2:02:03 PM  a\n            b"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(QString::fromStdString(res::TooManyCharacters(1)),
                 QString("Bitte geben Sie höchstens 1 Zeichen ein."));
        QCOMPARE(QString::fromStdString(res::FillAsk(0, 2, "PMR446")),
                 QString("Group A enthält 2 Kanäle. Durch PMR446 ersetzen?"));
        dlg.reset();
        res::SetLanguage({});
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(Language)
#include "tst_language.moc"
