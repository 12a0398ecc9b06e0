#pragma once
// Pieces for tests of the player's own card pictures.

#include "common/cardcolour.h"

#include <QByteArray>
#include <QString>
#include <array>

// The holders that the player's pictures 1 to 4 fill, in picture order.
inline constexpr std::array<CardColour, 4> holderOrder{CardColour::Green, CardColour::Yellow,
                                                       CardColour::Blue, CardColour::Red};

// "Grafika/temaKorisnicki0N.jpg", relative to the program folder.
QString userPictureName(int picture);

// A small PNG whose header declares a picture of this size; its pixel data
// is cut short, so only a decoder that trusts the header would try.
QByteArray pngDeclaring(quint32 width, quint32 height);
