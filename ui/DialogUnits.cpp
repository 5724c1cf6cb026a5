#include "DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <cstdint>

namespace velmar {

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t p = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c < 0 ? -c : c) / 2;
    const bool negative = (p < 0) != (c < 0);
    const std::int64_t q = ((p < 0 ? -p : p) + half) / (c < 0 ? -c : c);
    return static_cast<int>(negative ? -q : q);
}

DialogUnits DialogUnits::FromFont(const QFont& font) {
    const QFontMetrics fm(font);
    const int width = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, fm.height()};
}

QFont DialogFont(std::string_view face, int pointSize) {
    // "굴림" is Gulim's Korean name; either spelling finds the same face.
    const QString wanted = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    QString family = QStringLiteral("NanumGothic");
    // The installed families as they are named, not as fontconfig would resolve an alias: asking that of each
    // name costs the window a noticeable part of its start.
    const QStringList installed = QFontDatabase::families();
    for (const QString& name : {wanted, QStringLiteral("Gulim"), QStringLiteral("굴림")}) {
        if (installed.contains(name, Qt::CaseInsensitive)) {
            family = name;
            break;
        }
    }
    QFont font(family);
    font.setPointSize(pointSize);
    // Unhinted at this size the stand-in's full stop smears into something
    // like a comma; in a frequency text "446.00625" must not read "446,00625".
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace velmar
