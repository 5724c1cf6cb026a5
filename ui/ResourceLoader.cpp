#include "ResourceLoader.h"

#include "DialogTemplate.h"

#include <QImage>
#include <QPixmap>

namespace velmar {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QIcon LoadIcon(int id) {
    const res::IconResource* icon = res::FindIcon(id);
    QIcon result;
    if (icon == nullptr) {
        return result;
    }
    for (const res::IconImage& image : icon->images) {
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
        result.addPixmap(QPixmap::fromImage(pixels));
    }
    return result;
}

QString LoadString(int id) {
    return FromUtf8(res::LoadString(id));
}

} // namespace velmar
