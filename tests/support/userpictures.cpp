#include "userpictures.h"

#include <QtEndian>

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
} // namespace

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
