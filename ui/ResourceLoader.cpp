#include "ResourceLoader.h"

#include "Translate.h"

#include "DialogTemplate.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>

namespace velmar {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QImage LoadIconImage(int id, int size) {
    const res::IconResource* icon = res::FindIcon(id);
    if (icon == nullptr) {
        return {};
    }
    for (const res::IconImage& image : icon->images) {
        if (image.size != size) {
            continue;
        }
        QImage pixels(image.size, image.size, QImage::Format_ARGB32);
        pixels.fill(Qt::transparent);
        for (int y = 0; y < image.size && y < static_cast<int>(image.rows.size()); ++y) {
            const std::string_view row = image.rows[static_cast<std::size_t>(y)];
            for (int x = 0; x < image.size && x < static_cast<int>(row.size()); ++x) {
                for (const res::PaletteEntry& entry : icon->palette) {
                    if (entry.key == row[static_cast<std::size_t>(x)]) {
                        pixels.setPixel(x, y, entry.argb);
                        break;
                    }
                }
            }
        }
        return pixels;
    }
    return {};
}

QIcon LoadIcon(int id) {
    QIcon result;
    if (const res::IconResource* icon = res::FindIcon(id)) {
        for (const res::IconImage& image : icon->images) {
            result.addPixmap(QPixmap::fromImage(LoadIconImage(id, image.size)));
        }
    }
    return result;
}

QString LoadString(int id) {
    return FromUtf8(res::LoadString(id));
}

QString Word(const char* source) {
    return QString::fromStdString(res::Tr(source));
}

QStringList InstalledOrBuilt(const char* installed, const char* built) {
    return {QDir(QCoreApplication::applicationDirPath() + "/..").filePath(QString::fromUtf8(installed)),
            QString::fromUtf8(built)};
}

} // namespace velmar
