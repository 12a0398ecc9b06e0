#pragma once
// SveSlike, the image bank: the built-in card pictures of the five themes,
// the card back and the double-up pictures, and the four colour-card holders
// that the main menu fills from the chosen theme. It is never shown. Built-in
// pictures are decoded once, on first use.

#include "common/cardcolour.h"
#include "common/cardsize.h"

#include <QPixmap>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <optional>

class SveSlike {
public:
    enum class Picture { Eks, VecaManja, Dolar, Unazad };

    SveSlike();
    ~SveSlike();
    SveSlike(const SveSlike&) = delete;
    SveSlike& operator=(const SveSlike&) = delete;

    // Picture P (1..4) of built-in theme T (1..5), named Tema{T}{P}.
    const QPixmap& themePicture(int theme, int picture) const;
    const QPixmap& picture(Picture which) const;

    // The holder of a colour's card picture; empty until a theme fills it.
    const QPixmap& holder(CardColour colour) const;
    void setHolder(CardColour colour, const QPixmap& picture);

    // Counts every change of a holder, so a screen can tell cheaply whether
    // pictures it scaled earlier are still current.
    int holderGeneration() const { return generation_; }

    // Loads one picture of the player's own, decoded straight to the card
    // size, so that the size of the source costs neither memory nor much
    // time. Refuses files that are not regular files (without waiting on
    // them) or not pictures, are cut short, change while they are read, or
    // would take the decoder too long or too much memory. The bank keeps what
    // each file gave, so a file whose size, times and inode have not changed
    // since it was last loaded is not decoded again, whatever its date.
    std::optional<QPixmap> loadUserPicture(const QString& path);

private:
    // Every built-in picture is decoded at its first use and kept here, the
    // program's only copy of it.
    const QPixmap& builtIn(const QString& name) const;

    mutable std::map<QString, QPixmap> builtIns_;
    struct LoadedUserPictures;
    std::unique_ptr<LoadedUserPictures> userPictures_;
    std::array<QPixmap, 4> holders_;
    int generation_ = 0;
};

// Picture 1 of every theme goes to green, 2 to yellow, 3 to blue, 4 to red.
CardColour holderOfThemePicture(int picture);

// The theme application: fills the four holders from the theme whose number
// the text holds. A text that is no number acts as theme 1; a number other
// than 1 to 6 changes nothing. Theme 6 loads the player's own pictures
// Grafika/temaKorisnicki01.jpg .. 04.jpg from the program's folder; a picture
// that cannot be loaded leaves its holder as it was.
void applyTheme(SveSlike& bank, const QString& themeNumber, const QString& programFolder);
