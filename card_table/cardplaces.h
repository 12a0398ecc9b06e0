#pragma once
// Where the card table lays its five cards. The table's background picture
// frames every place, so the screen and the artwork generator take these
// numbers from here. Places are in twips, as every position on a screen; a
// card there is cardPictureSize.

#include "common/cardsize.h"

#include <array>

namespace cardplaces {
inline constexpr std::array<int, 5> lefts{580, 2145, 3720, 5280, 6840};
inline constexpr int top = 3120;
} // namespace cardplaces
