// Build step: draws the program's icon (the same picture as data/icons/tolvane.svg)
// as PNG files of the sizes a desktop asks for.
//
//   makeicon OUTPUT_FOLDER SIZE...     writes OUTPUT_FOLDER/SIZE/tolvane.png

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// The picture on a 64 x 64 grid: a green tile, a white plate, a red apple with
// a brown stem and a green leaf.
void draw(QPainter& p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x7d, 0x32));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(0xfa, 0xfa, 0xfa));
    p.drawEllipse(QPointF(32, 34), 24, 24);
    p.setBrush(QColor(0xc6, 0x28, 0x28));
    p.drawEllipse(QPointF(26, 37), 11, 12);
    p.drawEllipse(QPointF(38, 37), 11, 12);
    p.setBrush(QColor(0x6d, 0x4c, 0x41));
    p.drawRect(QRectF(31, 18, 2.5, 9));
    p.setBrush(QColor(0x66, 0xbb, 0x6a));
    p.drawEllipse(QRectF(34, 17, 10, 6));
}

} // namespace

int main(int argc, char* argv[])
{
    // Shapes only, no text: no application object (and no display) is needed.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (args.size() < 3) {
        std::fputs("usage: makeicon OUTPUT_FOLDER SIZE...\n", stderr);
        return 1;
    }
    for (qsizetype i = 2; i < args.size(); ++i) {
        const int size = args[i].toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        draw(painter, size);
        painter.end();
        const QString folder = QDir(args[1]).filePath(QString::number(size));
        QDir().mkpath(folder);
        if (!image.save(QDir(folder).filePath(QStringLiteral("tolvane.png")))) {
            std::fprintf(stderr, "makeicon: cannot write size %d\n", size);
            return 1;
        }
    }
    return 0;
}
