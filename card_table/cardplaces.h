#pragma once
// Where the card table lays its five cards, and the size of a card picture.
// The table's background picture frames every place, so the screen and the
// artwork generator take these numbers from here. Places are in twips, as
// every position on a screen; the picture size is in pixels.

#include <array>

namespace cardplaces {
inline constexpr int pictureWidth = 93;
inline constexpr int pictureHeight = 145;
inline constexpr std::array<int, 5> lefts{580, 2145, 3720, 5280, 6840};
inline constexpr int top = 3120;
} // namespace cardplaces
