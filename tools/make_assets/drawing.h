#pragma once
// Drawing helpers that the backgrounds, the cards and the icons share: the
// font, colour blending, the suit shapes and the fan of playing cards.

#include <QColor>
#include <QFont>
#include <QPainterPath>

#include <initializer_list>

class QPainter;
class QString;

namespace artwork {

inline const QColor skyTop(52, 114, 233);
inline const QColor skyBottom(0, 7, 79);

QFont sans(int pixelSize, bool bold);
// The colour a fraction t of the way from a to b.
QColor mix(const QColor& a, const QColor& b, qreal t);
void setupPainter(QPainter& p);

// A closed shape of straight edges through the given corners.
QPainterPath polygon(std::initializer_list<QPointF> corners);

// Maps a shape drawn in a unit square onto a rectangle.
QPainterPath fitted(const QPainterPath& unit, const QRectF& r);

enum class Suit { Clubs, Diamonds, Hearts, Spades };

// A heart in the unit square.
QPainterPath heartShape();
QPainterPath suitShape(Suit suit, const QRectF& r);
QPainterPath starShape(QPointF centre, qreal outer, qreal inner, int points = 5);

// Four-pointed twinkle used as a sparkle.
void sparkle(QPainter& p, QPointF c, qreal size, const QColor& colour);

// Four cards spread like a hand, pivoting around a point below their centre.
void drawFan(QPainter& p, QPointF pivot, qreal cardW, qreal cardH);

} // namespace artwork
