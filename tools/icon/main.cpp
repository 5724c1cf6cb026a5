// Draws the program's scalable icon as PNG files for the desktop's icon theme:
// velmar-icon SVG DIR SIZE... writes DIR/velmar-SIZE.png for each SIZE. Any
// warning while reading the SVG fails the run, so a shape Qt's SVG renderer
// cannot draw is found at build time and not on someone's desktop.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string g_firstWarning;

void KeepFirstWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg && g_firstWarning.empty()) {
        g_firstWarning = message.toStdString();
    }
}

bool Fail(const std::string& message) {
    std::fprintf(stderr, "velmar-icon: %s\n", message.c_str());
    return false;
}

bool WritePng(QSvgRenderer& svg, int size, const QString& path) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!g_firstWarning.empty()) {
        return Fail("drawing " + std::to_string(size) + " px: " + g_firstWarning);
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        return Fail("cannot write " + path.toStdString());
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: velmar-icon SVG DIR SIZE...\n");
        return 2;
    }
    qInstallMessageHandler(KeepFirstWarning);
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer svg(svgPath);
    if (!svg.isValid() || !g_firstWarning.empty()) {
        Fail("cannot read " + svgPath.toStdString() + (g_firstWarning.empty() ? "" : ": " + g_firstWarning));
        return 1;
    }
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        char* end = nullptr;
        const long size = std::strtol(argv[i], &end, 10);
        if (end == argv[i] || *end != '\0' || size < 1 || size > 1024) {
            std::fprintf(stderr, "velmar-icon: not a size from 1 to 1024: %s\n", argv[i]);
            return 2;
        }
        if (!WritePng(svg, static_cast<int>(size), dir.filePath(QString("velmar-%1.png").arg(size)))) {
            return 1;
        }
    }
    return 0;
}
