// Build-time tool: writes the window icon at a whole multiple of its size, nearest neighbour,
// so the pixel art stays sharp.  Usage: scale-icon SOURCE.xpm SIZE OUT.png
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: scale-icon SOURCE SIZE OUT.png\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (source.isNull() || size <= 0 || size % source.width() != 0) {
        std::fprintf(stderr, "scale-icon: cannot scale %s to %s\n", argv[1], argv[2]);
        return 1;
    }
    const QImage scaled = source.convertToFormat(QImage::Format_ARGB32)
                              .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return scaled.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
