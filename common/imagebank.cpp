#include "common/imagebank.h"

#include "common/runtime.h"
#include "common/screen.h"

#include <QDir>

SveSlike::SveSlike() = default;

SveSlike::~SveSlike() = default;

const QPixmap& SveSlike::builtIn(const QString& name) const {
    auto it = builtIns_.find(name);
    if (it == builtIns_.end())
        it =
            builtIns_.emplace(name, loadBuiltInPicture(QStringLiteral(":/pictures/") + name)).first;
    return it->second;
}

const QPixmap& SveSlike::themePicture(int theme, int picture) const {
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
    return holders_[colourIndex(colour)];
}

void SveSlike::setHolder(CardColour colour, const QPixmap& picture) {
    holders_[colourIndex(colour)] = picture;
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

void applyTheme(SveSlike& bank, const QString& themeNumber, const QString& programFolder) {
    // A text that is no number fails the first comparison, and the old
    // program skipped on into theme 1's copies.
    const std::optional<double> number = runtime::regionalNumber(themeNumber);
    const double theme = number.value_or(1.0);
    if (theme == 6.0) {
        if (programFolder.isEmpty())
            return;
        const QDir folder(QDir(programFolder).filePath(QStringLiteral("Grafika")));
        for (int picture = 1; picture <= 4; ++picture) {
            const QString name =
                QStringLiteral("temaKorisnicki%1.jpg").arg(picture, 2, 10, QChar(u'0'));
            if (auto loaded = bank.playerPictures().load(folder.filePath(name)))
                bank.setHolder(holderOfThemePicture(picture), *loaded);
        }
        return;
    }
    for (int t = 1; t <= 5; ++t) {
        if (theme != t)
            continue;
        for (int picture = 1; picture <= 4; ++picture)
            bank.setHolder(holderOfThemePicture(picture), bank.themePicture(t, picture));
        return;
    }
}
