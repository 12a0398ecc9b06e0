// Shared drawing helpers of the artwork generator.

#include "drawing.h"

#include <QPainter>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>

namespace artwork {

namespace {

QPainterPath diamondShape() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.68, 0.3, 0.92, 0.5);
    p.quadTo(0.68, 0.7, 0.5, 1.0);
    p.quadTo(0.32, 0.7, 0.08, 0.5);
    p.quadTo(0.32, 0.3, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

QPainterPath spadeShape() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.35, 0.25, 0.0, 0.38, 0.0, 0.6);
    p.cubicTo(0.0, 0.84, 0.3, 0.88, 0.46, 0.72);
    p.quadTo(0.44, 0.9, 0.28, 1.0);
    p.lineTo(0.72, 1.0);
    p.quadTo(0.56, 0.9, 0.54, 0.72);
    p.cubicTo(0.7, 0.88, 1.0, 0.84, 1.0, 0.6);
    p.cubicTo(1.0, 0.38, 0.65, 0.25, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

QPainterPath clubShape() {
    QPainterPath top, left, right, stem, middle;
    top.addEllipse(QPointF(0.5, 0.25), 0.22, 0.22);
    left.addEllipse(QPointF(0.25, 0.57), 0.22, 0.22);
    right.addEllipse(QPointF(0.75, 0.57), 0.22, 0.22);
    middle.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
    stem.moveTo(0.46, 0.55);
    stem.quadTo(0.44, 0.9, 0.28, 1.0);
    stem.lineTo(0.72, 1.0);
    stem.quadTo(0.56, 0.9, 0.54, 0.55);
    stem.closeSubpath();
    return top.united(left).united(right).united(middle).united(stem);
}

QColor suitInk(Suit suit) {
    return (suit == Suit::Diamonds || suit == Suit::Hearts) ? QColor(205, 20, 30)
                                                            : QColor(20, 20, 30);
}

} // namespace

QFont sans(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

void setupPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath polygon(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    for (const QPointF& corner : corners) {
        if (path.elementCount() == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

QPainterPath fitted(const QPainterPath& unit, const QRectF& r) {
    QTransform t;
    t.translate(r.x(), r.y());
    t.scale(r.width(), r.height());
    return t.map(unit);
}

QPainterPath heartShape() {
    QPainterPath p;
    p.moveTo(0.5, 0.25);
    p.cubicTo(0.5, 0.0, 0.0, 0.0, 0.0, 0.32);
    p.cubicTo(0.0, 0.6, 0.35, 0.75, 0.5, 1.0);
    p.cubicTo(0.65, 0.75, 1.0, 0.6, 1.0, 0.32);
    p.cubicTo(1.0, 0.0, 0.5, 0.0, 0.5, 0.25);
    p.closeSubpath();
    return p;
}

QPainterPath suitShape(Suit suit, const QRectF& r) {
    switch (suit) {
    case Suit::Clubs:
        return fitted(clubShape(), r);
    case Suit::Diamonds:
        return fitted(diamondShape(), r);
    case Suit::Hearts:
        return fitted(heartShape(), r);
    case Suit::Spades:
        break;
    }
    return fitted(spadeShape(), r);
}

QPainterPath starShape(QPointF centre, qreal outer, qreal inner, int points) {
    QPainterPath p;
    for (int i = 0; i < points * 2; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const QPointF pt(centre.x() + radius * std::cos(angle),
                         centre.y() + radius * std::sin(angle));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

void sparkle(QPainter& p, QPointF c, qreal size, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(starShape(c, size, size * 0.28, 4));
}

namespace {

// A small playing card: white, rounded, a rank in the corner and one pip.
void drawMiniCard(QPainter& p, const QRectF& r, Suit suit, const QString& rank) {
    const qreal radius = r.width() * 0.12;
    p.setPen(QPen(QColor(60, 60, 80), std::max<qreal>(0.8, r.width() / 30.0)));
    p.setBrush(QColor(252, 252, 250));
    p.drawRoundedRect(r, radius, radius);

    p.setPen(Qt::NoPen);
    p.setBrush(suitInk(suit));
    const qreal pip = r.width() * 0.5;
    p.drawPath(
        suitShape(suit, QRectF(r.center().x() - pip / 2,
                               r.center().y() - pip / 2 + r.height() * 0.06, pip, pip * 1.08)));

    p.setPen(suitInk(suit));
    p.setFont(sans(std::max(6, int(r.width() * 0.34)), true));
    p.drawText(QRectF(r.x() + r.width() * 0.08, r.y() + r.height() * 0.03, r.width() * 0.5,
                      r.height() * 0.3),
               Qt::AlignLeft | Qt::AlignTop, rank);
}

} // namespace

void drawFan(QPainter& p, QPointF pivot, qreal cardW, qreal cardH) {
    static const std::array<qreal, 4> angles = {-33.0, -11.0, 11.0, 33.0};
    static const std::array<Suit, 4> suits = {Suit::Clubs, Suit::Diamonds, Suit::Spades,
                                              Suit::Hearts};
    static const std::array<const char*, 4> ranks = {"J", "Q", "K", "A"};
    for (std::size_t i = 0; i < angles.size(); ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(angles[i]);
        // A soft shadow separates overlapping cards.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 30, 70));
        p.drawRoundedRect(QRectF(-cardW / 2 + 1.5, -cardH - cardW * 0.35 + 1.5, cardW, cardH),
                          cardW * 0.12, cardW * 0.12);
        drawMiniCard(p, QRectF(-cardW / 2, -cardH - cardW * 0.35, cardW, cardH), suits[i],
                     QString::fromLatin1(ranks[i]));
        p.restore();
    }
}

} // namespace artwork
