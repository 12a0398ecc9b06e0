#include "userpictures.h"

#include "common/cardsize.h"
#include "common/imagebank.h"

#include <QtEndian>

#include <cmath>

namespace {
quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data) {
    const QByteArray body = type + data;
    return bigEndian32(quint32(data.size())) + body + bigEndian32(crc32(body));
}
QByteArray segment(quint8 marker, const QByteArray& data) {
    QByteArray bytes("\xFF", 1);
    bytes += char(marker);
    bytes += char((data.size() + 2) >> 8);
    bytes += char((data.size() + 2) & 0xFF);
    return bytes + data;
}

// Collects entropy-coded bits most significant first, stuffing a zero after
// every 0xFF byte as JPEG requires.
class BitWriter {
public:
    void put(quint32 bits, int count) {
        for (int i = count - 1; i >= 0; --i) {
            current_ = quint8((current_ << 1) | ((bits >> i) & 1u));
            if (++filled_ == 8)
                flush();
        }
    }
    // Appends this many zero bits, whole bytes at once, and pads the last
    // byte with one bits.
    QByteArray finish(qint64 zeroBits) {
        for (; zeroBits > 0 && filled_ != 0; --zeroBits)
            put(0, 1);
        bytes_ += QByteArray(qsizetype(zeroBits / 8), '\0');
        put(0, int(zeroBits % 8));
        while (filled_ != 0)
            put(1, 1);
        return bytes_;
    }

private:
    void flush() {
        bytes_ += char(current_);
        if (current_ == 0xFF)
            bytes_ += '\0';
        current_ = 0;
        filled_ = 0;
    }
    QByteArray bytes_;
    quint8 current_ = 0;
    int filled_ = 0;
};
} // namespace

QImage shownOnACard(const QImage& picture) {
    return picture.scaled(cardPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QString userPictureName(int picture) {
    return QStringLiteral("Grafika/temaKorisnicki%1.jpg").arg(picture, 2, 10, QChar(u'0'));
}

QByteArray pngDeclaring(quint32 width, quint32 height) {
    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    png += pngChunk("IHDR", bigEndian32(width) + bigEndian32(height) +
                                QByteArray("\x08\x02\x00\x00\x00", 5));
    png += pngChunk("IDAT", QByteArray("\x78\x9C\x03\x00\x00\x00\x00\x01", 8));
    png += pngChunk("IEND", {});
    return png;
}

QByteArray plainJpeg(QSize size, QColor colour, bool withEndMarker) {
    const double r = colour.red(), g = colour.green(), b = colour.blue();
    const std::array<double, 3> samples{0.299 * r + 0.587 * g + 0.114 * b,
                                        128 - 0.168736 * r - 0.331264 * g + 0.5 * b,
                                        128 + 0.5 * r - 0.418688 * g - 0.081312 * b};
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += segment(0xE0, QByteArray("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
    jpeg += segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\x01')); // no quantisation
    QByteArray frame = QByteArray("\x08", 1) + bigEndian32(quint32(size.height())).right(2) +
                       bigEndian32(quint32(size.width())).right(2) + QByteArray("\x03", 1);
    for (char id = 1; id <= 3; ++id)
        frame += QByteArray(1, id) + QByteArray("\x11\0", 2);
    jpeg += segment(0xC0, frame);
    // DC: category 0 is the one-bit code 0, categories 1 to 11 take five
    // bits. AC: the end of block is the one-bit code 0.
    QByteArray dc("\x00\x01\0\0\0\x0B\0\0\0\0\0\0\0\0\0\0\0", 17);
    for (char category = 0; category <= 11; ++category)
        dc += category;
    jpeg += segment(0xC4, dc);
    jpeg += segment(0xC4, QByteArray("\x10\x01\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x00", 18));
    jpeg += segment(0xDA, QByteArray("\x03\x01\0\x02\0\x03\0\0\x3F\0", 10));

    // The first block of each component carries its level; every later
    // block repeats it, which costs a zero bit for the DC and one for the end.
    BitWriter bits;
    for (const double sample : samples) {
        const int dcValue = int(std::lround(8 * (sample - 128)));
        int category = 0;
        while ((1 << category) <= std::abs(dcValue))
            ++category;
        if (category == 0) {
            bits.put(0, 1);
        } else {
            bits.put(0x10u + quint32(category - 1), 5);
            bits.put(quint32(dcValue >= 0 ? dcValue : dcValue + (1 << category) - 1), category);
        }
        bits.put(0, 1);
    }
    const qint64 blocks = qint64((size.width() + 7) / 8) * ((size.height() + 7) / 8);
    jpeg += bits.finish((blocks - 1) * 6);
    if (withEndMarker)
        jpeg += QByteArray("\xFF\xD9", 2);
    return jpeg;
}
