#pragma once
// The card pictures, 93 x 145 like the card table's places: the faces of the
// five built-in themes, the card back and the double-up's pictures; and the
// double-up offer button.

class QImage;

namespace artwork {

inline constexpr int themeCount = 5;
inline constexpr int picturesPerTheme = 4;

// Picture 1 to 4 (green, yellow, blue, red) of theme 1 to 5. Any other theme
// or picture draws nothing, says so on stderr and gives an empty image.
QImage themeCard(int theme, int picture);

QImage cardBack();
QImage ponderCard();
QImage dollarCard();
QImage crossCard();
// 97 x 41: the game writes its two words over the left part.
QImage doubleUpButton();

} // namespace artwork
