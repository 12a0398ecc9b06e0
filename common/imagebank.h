#pragma once
// SveSlike, the image bank: the built-in card pictures of the five themes,
// the card back and the double-up pictures, and the four colour-card holders
// that the main menu fills from the chosen theme. It is never shown. Built-in
// pictures are decoded once, on first use.

#include "common/cardcolour.h"
#include "common/playerpictures.h"

#include <QPixmap>
#include <QString>
#include <array>
#include <map>

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

    // The player's own pictures, with what each file gave.
    PlayerPictures& playerPictures() { return playerPictures_; }

private:
    // Every built-in picture is decoded at its first use and kept here, the
    // program's only copy of it.
    const QPixmap& builtIn(const QString& name) const;

    mutable std::map<QString, QPixmap> builtIns_;
    PlayerPictures playerPictures_;
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
