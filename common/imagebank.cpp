#include "common/imagebank.h"

#include "common/runtime.h"
#include "common/screen.h"

#include <QDir>
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
} // namespace

const QPixmap& SveSlike::tema(int theme, int picture) const {
    return builtInPicture(QStringLiteral(":/pictures/Tema%1%2.jpg").arg(theme).arg(picture));
}

const QPixmap& SveSlike::picture(Picture which) const {
    switch (which) {
    case Picture::Eks:
        return builtInPicture(QStringLiteral(":/pictures/Eks.jpg"));
    case Picture::VecaManja:
        return builtInPicture(QStringLiteral(":/pictures/VecaManja.jpg"));
    case Picture::Dolar:
        return builtInPicture(QStringLiteral(":/pictures/Dolar.jpg"));
    case Picture::Unazad:
        break;
    }
    return builtInPicture(QStringLiteral(":/pictures/Unazad.jpg"));
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
