// Writes the program's icon as PNG files for the desktop's icon theme, so that
// the menu shows the same picture as the window: velmar-icon DIR writes
// DIR/velmar-16.png and DIR/velmar-32.png.

#include "Resource.h"
#include "ResourceLoader.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmar-icon DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 32}) {
        const QImage image = velmar::LoadIconImage(velmar::IDR_MAINFRAME, size);
        const QString path = dir.filePath(QString("velmar-%1.png").arg(size));
        if (image.isNull() || !image.save(path, "PNG")) {
            std::fprintf(stderr, "velmar-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
