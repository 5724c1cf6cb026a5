// Each language is whole and says what English says: every marked word has a finished translation with the same
// placeholders and the same count of mnemonic marks, the compiled translation gives it back, and the .ts files
// hold every word the code marks (none is left to show in English).

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source, comment;
    QStringList forms; // one, or the numerus forms of the language
    bool finished = true;
};

QList<Message> ReadTs(const QString& path) {
    QFile file(path);
    QList<Message> out;
    if (!file.open(QIODevice::ReadOnly)) {
        return out;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            m = {context, {}, {}, {}, true};
        } else if (xml.name() == u"source") {
            m.source = xml.readElementText();
        } else if (xml.name() == u"comment") {
            m.comment = xml.readElementText();
        } else if (xml.name() == u"translation") {
            m.finished = xml.attributes().value("type").isEmpty();
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == u"numerusform") {
                    m.forms << xml.readElementText();
                } else if (xml.isCharacters()) {
                    text += xml.text();
                } else if (xml.isEndElement() && xml.name() == u"translation") {
                    break;
                }
            }
            if (m.forms.isEmpty()) {
                m.forms << text;
            }
            out << m;
        }
    }
    return out;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression("%(\\d+|n)").globalMatch(text)) {
        found << m.captured();
    }
    found.sort();
    return found;
}

int Mnemonics(QString text) {
    return static_cast<int>(text.remove("&&").count('&'));
}

} // namespace

class Translations : public QObject {
    Q_OBJECT

private slots:
    void eachLanguageIsWholeAndFaithful_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "es", "it", "nl", "pl"}) {
            QTest::newRow(language) << language;
        }
    }
    void eachLanguageIsWholeAndFaithful() {
        QFETCH(QString, language);
        const QList<Message> messages = ReadTs(QString(VELMAR_SOURCE "/translations/velmar_%1.ts").arg(language));
        QVERIFY(!messages.isEmpty());
        QTranslator qm;
        QVERIFY(qm.load(QString(VELMAR_BUILT "/translations/velmar_%1.qm").arg(language)));
        for (const Message& m : messages) {
            const QByteArray what = (language + ": " + m.source).toUtf8();
            QVERIFY2(m.finished, what);
            for (const QString& form : m.forms) {
                QVERIFY2(!form.trimmed().isEmpty(), what);
                QVERIFY2(Placeholders(form) == Placeholders(m.source), what);
                QVERIFY2(Mnemonics(form) == Mnemonics(m.source), what);
            }
            const QByteArray comment = m.comment.toUtf8();
            QCOMPARE(qm.translate(m.context.toUtf8(), m.source.toUtf8(), comment.isEmpty() ? nullptr : comment.data()),
                     m.forms.front());
        }
    }

    void theTranslationsHoldEveryMarkedWord() {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("velmar_de.ts");
        QFile::copy(VELMAR_SOURCE "/translations/velmar_de.ts", fresh);
        QFile::setPermissions(fresh, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.setWorkingDirectory(VELMAR_SOURCE);
        lupdate.start(VELMAR_LUPDATE, {"-silent", "-no-obsolete", "-locations", "none", "-tr-function-alias",
                                       "QT_TRANSLATE_NOOP+=VELMAR_WORD,QT_TRANSLATE_N_NOOP3+=VELMAR_WORDS",
                                       "-extensions", "h,cpp", "res", "-ts", fresh});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        QSet<QString> inTree, marked;
        for (const Message& m : ReadTs(VELMAR_SOURCE "/translations/velmar_de.ts")) {
            inTree << m.source;
        }
        for (const Message& m : ReadTs(fresh)) {
            marked << m.source;
        }
        QCOMPARE(marked - inTree, QSet<QString>()); // run scripts/update-translations and translate them
        QCOMPARE(inTree - marked, QSet<QString>());
    }
};

QTEST_GUILESS_MAIN(Translations)
#include "tst_translations.moc"
