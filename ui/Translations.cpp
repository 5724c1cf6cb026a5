#include "Translations.h"

#include "ResourceLoader.h"
#include "Translate.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmar {

namespace {

std::string Translate(const char* source, const char* disambiguation, int n) {
    // No translation for it: English, as written, with its own singular.
    if (QCoreApplication::translate(res::kWordContext, source, disambiguation) == QString::fromUtf8(source)) {
        return {};
    }
    return QCoreApplication::translate(res::kWordContext, source, disambiguation, n).toStdString();
}

std::string Number(long long value) {
    return QLocale().toString(value).toStdString();
}

std::string Decimal(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals).toStdString();
}

// The C locale has no way of its own to write a date: it keeps the one the records are named by.
std::string DateTime(int year, int month, int day, int hour, int minute) {
    const QLocale locale;
    if (locale.language() == QLocale::C) {
        return {};
    }
    return locale.toString(QDateTime(QDate(year, month, day), QTime(hour, minute)), QLocale::ShortFormat).toStdString();
}

} // namespace

void LoadTranslations(QCoreApplication& app) {
    res::SetLanguage({&Translate, &Number, &Decimal, &DateTime});
    const QLocale locale;
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    auto* own = new QTranslator(&app);
    const QStringList folders = InstalledOrBuilt(VELMAR_TRANSLATIONS_INSTALLED, VELMAR_TRANSLATIONS_BUILT);
    for (const QString& folder : folders) {
        if (own->load(locale, "velmar", "_", folder)) {
            QCoreApplication::installTranslator(own);
            return;
        }
    }
    delete own;
}

} // namespace velmar
