#include "common/imagebank.h"

#include "common/runtime.h"
#include "common/screen.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {
int holderIndex(CardColour colour) {
    return static_cast<int>(colour) - 1;
}

// Generous for any photo a player would use, far below what would stall the
// program or exhaust memory.
constexpr int maxUserPictureSide = 8192;
constexpr qint64 maxUserPicturePixels = 40'000'000;

// The JPEG decoder takes a file cut short without complaint and fills the
// missing rows with grey. A whole JPEG reaches its end-of-image marker: walk
// its segments, each skipped by its length, and the coded data after each
// start of scan up to the next marker, and see whether the end is reached.
bool jpegReachesItsEnd(QByteArrayView data) {
    const auto byte = [&](qsizetype at) { return static_cast<quint8>(data[at]); };
    qsizetype at = 2; // past the start-of-image marker
    while (at + 1 < data.size()) {
        const quint8 marker = byte(at + 1);
        if (byte(at) != 0xFF || marker == 0xFF) {
            ++at; // stray bytes and fill bytes between segments
            continue;
        }
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (at + 3 >= data.size())
            return false;
        at += 2 + ((byte(at + 2) << 8) | byte(at + 3));
        if (marker != 0xDA)
            continue;
        // Coded data: 0xFF is followed by a stuffed zero, a restart or a marker.
        while (at + 1 < data.size()) {
            const quint8 next = byte(at + 1);
            if (byte(at) == 0xFF && next != 0x00 && (next < 0xD0 || next > 0xD7))
                break;
            ++at;
        }
    }
    return false;
}

bool isWholePicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Mapped, not read: only the pages the walk touches are loaded.
    const uchar* mapped = file.map(0, file.size());
    if (!mapped)
        return false;
    const QByteArrayView data(mapped, file.size());
    return !data.startsWith("\xFF\xD8\xFF") || jpegReachesItsEnd(data);
}
} // namespace

const QPixmap& SveSlike::builtIn(const QString& name) const {
    auto it = builtIns_.find(name);
    if (it == builtIns_.end())
        it =
            builtIns_.emplace(name, loadBuiltInPicture(QStringLiteral(":/pictures/") + name)).first;
    return it->second;
}

const QPixmap& SveSlike::tema(int theme, int picture) const {
    return builtIn(QStringLiteral("Tema%1%2.jpg").arg(theme).arg(picture));
}

const QPixmap& SveSlike::picture(Picture which) const {
    switch (which) {
    case Picture::Eks:
        return builtIn(QStringLiteral("Eks.jpg"));
    case Picture::VecaManja:
        return builtIn(QStringLiteral("VecaManja.jpg"));
    case Picture::Dolar:
        return builtIn(QStringLiteral("Dolar.jpg"));
    case Picture::Unazad:
        break;
    }
    return builtIn(QStringLiteral("Unazad.jpg"));
}

const QPixmap& SveSlike::holder(CardColour colour) const {
    return holders_[holderIndex(colour)];
}

void SveSlike::setHolder(CardColour colour, const QPixmap& picture) {
    holders_[holderIndex(colour)] = picture;
    ++generation_;
}

CardColour holderOfThemePicture(int picture) {
    switch (picture) {
    case 1:
        return CardColour::Green;
    case 2:
        return CardColour::Yellow;
    case 3:
        return CardColour::Blue;
    default:
        return CardColour::Red;
    }
}

std::optional<QPixmap> loadUserPicture(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxUserPictureSide ||
        size.height() > maxUserPictureSide ||
        qint64(size.width()) * size.height() > maxUserPicturePixels)
        return std::nullopt;
    if (!isWholePicture(path))
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QPixmap::fromImage(image);
}

void applyTheme(SveSlike& bank, const QString& themeNumber, const QString& programFolder) {
    // A text that is no number fails the first comparison, and the old
    // program skipped on into theme 1's copies.
    const std::optional<double> number = runtime::regionalNumber(themeNumber);
    const double theme = number.value_or(1.0);
    if (theme == 6.0) {
        const QDir folder(QDir(programFolder).filePath(QStringLiteral("Grafika")));
        for (int picture = 1; picture <= 4; ++picture) {
            const QString name =
                QStringLiteral("temaKorisnicki%1.jpg").arg(picture, 2, 10, QChar(u'0'));
            if (auto loaded = loadUserPicture(folder.filePath(name)))
                bank.setHolder(holderOfThemePicture(picture), *loaded);
        }
        return;
    }
    for (int t = 1; t <= 5; ++t) {
        if (theme != t)
            continue;
        for (int picture = 1; picture <= 4; ++picture)
            bank.setHolder(holderOfThemePicture(picture), bank.tema(t, picture));
        return;
    }
}
