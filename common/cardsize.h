#pragma once
// The size of a card picture, in pixels. Every card the screens show has it,
// the built-in pictures are drawn at it, and a player's own picture is
// decoded straight to it.

#include <QSize>

inline constexpr QSize cardPictureSize{93, 145};
