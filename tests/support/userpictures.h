#pragma once
// Pieces for tests of the player's own card pictures.

#include "common/cardcolour.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>

// The holders that the player's pictures 1 to 4 fill, in picture order.
inline constexpr std::array<CardColour, 4> holderOrder{CardColour::Green, CardColour::Yellow,
                                                       CardColour::Blue, CardColour::Red};

// A picture as a card shows it: stretched to the card's size, in RGB32.
QImage shownOnACard(const QImage& picture);

// "Grafika/temaKorisnicki0N.jpg", relative to the program folder.
QString userPictureName(int picture);

// A small PNG whose header declares a picture of this size; its pixel data
// is cut short, so only a decoder that trusts the header would try.
QByteArray pngDeclaring(quint32 width, quint32 height);

// A baseline JPEG of one plain colour at any size, written straight from its
// bytes: a 100 Mpx picture costs about a megabyte and no picture in memory.
// Its Huffman tables make every block after the first all zero bits.
QByteArray plainJpeg(QSize size, QColor colour, bool withEndMarker = true);
