// The icon file writer.

#include "iconfile.h"

#include "drawing.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include <cstdio>

namespace artwork {

namespace {

QImage renderIcon(const std::function<void(QPainter&)>& paint, int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    setupPainter(p);
    p.scale(size / 128.0, size / 128.0);
    paint(p);
    p.end();
    return img;
}

// Colours for the palettised icon images: the 16 colours the icons use most,
// then (for 256 colours) a 6 x 6 x 6 colour cube and a grey ramp.
std::vector<QRgb> iconPalette(int bitsPerPixel) {
    std::vector<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(200, 205, 220), qRgb(110, 115, 135),
        qRgb(0, 10, 70),     qRgb(15, 45, 150),   qRgb(40, 90, 210),   qRgb(80, 140, 240),
        qRgb(150, 185, 245), qRgb(215, 20, 30),   qRgb(120, 10, 20),   qRgb(20, 160, 60),
        qRgb(250, 208, 20),  qRgb(40, 40, 70),    qRgb(20, 60, 130),   qRgb(235, 238, 248),
    };
    if (bitsPerPixel == 8) {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    palette.push_back(qRgb(r * 51, g * 51, b * 51));
        for (int i = 0; i < 24; ++i)
            palette.push_back(qRgb(8 + i * 10, 8 + i * 10, 8 + i * 10));
    }
    return palette;
}

int nearestColour(QRgb c, const std::vector<QRgb>& palette) {
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = qRed(c) - qRed(palette[i]);
        const long dg = qGreen(c) - qGreen(palette[i]);
        const long db = qBlue(c) - qBlue(palette[i]);
        const long distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
        }
    }
    return best;
}

void appendLe16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void appendLe32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// One icon image as a bottom-up DIB: header, palette, colour bits, then the
// 1-bit transparency mask.
QByteArray iconDib(const QImage& source, int bitsPerPixel) {
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    const int colourStride = ((w * bitsPerPixel + 31) / 32) * 4;
    const int maskStride = ((w + 31) / 32) * 4;
    const std::vector<QRgb> palette =
        bitsPerPixel <= 8 ? iconPalette(bitsPerPixel) : std::vector<QRgb>();

    QByteArray out;
    appendLe32(out, 40);
    appendLe32(out, quint32(w));
    appendLe32(out, quint32(h * 2)); // colour bits and mask stacked
    appendLe16(out, 1);
    appendLe16(out, quint16(bitsPerPixel));
    appendLe32(out, 0); // uncompressed
    appendLe32(out, quint32((colourStride + maskStride) * h));
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, quint32(palette.size()));
    appendLe32(out, 0);
    for (QRgb c : palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }

    QByteArray colour(colourStride * h, '\0');
    QByteArray mask(maskStride * h, '\0');
    for (int y = 0; y < h; ++y) {
        const int row = h - 1 - y;
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        char* colourRow = colour.data() + row * colourStride;
        char* maskRow = mask.data() + row * maskStride;
        for (int x = 0; x < w; ++x) {
            const QRgb px = line[x];
            const bool opaque = bitsPerPixel == 32 ? qAlpha(px) > 0 : qAlpha(px) >= 128;
            if (!opaque)
                maskRow[x / 8] = char(maskRow[x / 8] | (0x80 >> (x % 8)));
            if (bitsPerPixel == 32) {
                char* dst = colourRow + x * 4;
                dst[0] = char(qBlue(px));
                dst[1] = char(qGreen(px));
                dst[2] = char(qRed(px));
                dst[3] = char(qAlpha(px));
                continue;
            }
            if (!opaque)
                continue; // index 0 is black, which the mask makes transparent
            const int index = nearestColour(px, palette);
            if (bitsPerPixel == 8) {
                colourRow[x] = char(index);
            } else {
                const int shift = (x % 2 == 0) ? 4 : 0;
                colourRow[x / 2] = char(colourRow[x / 2] | (index << shift));
            }
        }
    }
    out.append(colour);
    out.append(mask);
    return out;
}

} // namespace

std::vector<IconImage> iconSet(const std::vector<int>& sizes, const std::vector<int>& depths) {
    std::vector<IconImage> set;
    for (int depth : depths)
        for (int size : sizes)
            set.push_back({size, depth});
    return set;
}

QByteArray iconFile(const std::function<void(QPainter&)>& paint,
                    const std::vector<IconImage>& images) {
    std::vector<QByteArray> dibs;
    for (const IconImage& i : images)
        dibs.push_back(iconDib(renderIcon(paint, i.size), i.bitsPerPixel));

    QByteArray out;
    appendLe16(out, 0);
    appendLe16(out, 1); // icon, not cursor
    appendLe16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].size;
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(images[i].bitsPerPixel == 4 ? 16 : 0));
        out.append(char(0));
        appendLe16(out, 1);
        appendLe16(out, quint16(images[i].bitsPerPixel));
        appendLe32(out, quint32(dibs[i].size()));
        appendLe32(out, offset);
        offset += quint32(dibs[i].size());
    }
    for (const QByteArray& dib : dibs)
        out.append(dib);
    return out;
}

bool checkIcon(const QString& path, int expectedImages) {
    QImageReader reader(path, "ico");
    const int count = reader.imageCount();
    int decoded = 0;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        if (!reader.read().isNull())
            ++decoded;
    }
    std::printf("%s: %d images, %d decoded\n", qPrintable(QFileInfo(path).fileName()), count,
                decoded);
    return count == expectedImages && decoded == expectedImages;
}

} // namespace artwork
