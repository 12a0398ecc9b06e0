// The card pictures.

#include "cards.h"

#include "card_table/cardplaces.h"
#include "drawing.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cstdio>

namespace artwork {

namespace {

constexpr int cardWidth = cardPictureSize.width();
constexpr int cardHeight = cardPictureSize.height();

// Close to the darkened panel behind the card places, so the rounded card
// corners blend into the table.
const QColor cardSurround(12, 24, 78);

struct FacePalette {
    QColor main;
    QColor dark;
    QColor pale;
};

// Picture 1 is green, 2 yellow, 3 blue, 4 red: players tell cards apart by colour.
const std::array<FacePalette, 4> facePalettes = {{
    {QColor(20, 165, 60), QColor(0, 95, 35), QColor(210, 242, 215)},
    {QColor(250, 208, 20), QColor(165, 115, 0), QColor(255, 246, 195)},
    {QColor(30, 95, 225), QColor(10, 40, 140), QColor(208, 222, 252)},
    {QColor(222, 32, 32), QColor(135, 8, 8), QColor(252, 212, 205)},
}};

const QRectF faceRect(4, 4, cardWidth - 8, cardHeight - 8);

QPainterPath faceShape() {
    QPainterPath path;
    path.addRoundedRect(faceRect, 5, 5);
    return path;
}

// A card picture being drawn: a white rounded edge on the table colour, and
// a painter already clipped to the face inside the edge.
class CardCanvas {
public:
    CardCanvas() : image_(cardWidth, cardHeight, QImage::Format_RGB32) {
        image_.fill(cardSurround);
        painter_.begin(&image_);
        setupPainter(painter_);
        painter_.setPen(QPen(QColor(190, 190, 200), 1));
        painter_.setBrush(QColor(252, 252, 252));
        painter_.drawRoundedRect(QRectF(0.5, 0.5, cardWidth - 1, cardHeight - 1), 8, 8);
        painter_.setClipPath(faceShape());
    }
    QPainter& painter() { return painter_; }
    QImage finish() {
        painter_.end();
        return image_;
    }

private:
    QImage image_;
    QPainter painter_;
};

// Fills the face with the theme colour, darkening by the given share of the
// dark shade towards the gradient's end.
void shadeFace(QPainter& p, QGradient shade, const FacePalette& c, qreal darkening) {
    shade.setColorAt(0, c.main);
    shade.setColorAt(1, mix(c.main, c.dark, darkening));
    p.fillRect(faceRect, shade);
}

QImage pokerCard(const FacePalette& c, Suit suit, const QString& rank) {
    CardCanvas card;
    QPainter& p = card.painter();
    p.fillRect(faceRect, c.main);
    const QRectF inner = faceRect.adjusted(6, 6, -6, -6);
    p.setPen(Qt::NoPen);
    p.setBrush(c.pale);
    p.drawRoundedRect(inner, 3, 3);

    // Corner indices, the lower one upside down as on a real card.
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(inner.center());
            p.rotate(180);
            p.translate(-inner.center());
        }
        p.setPen(c.dark);
        p.setFont(sans(15, true));
        p.drawText(QRectF(inner.x() + 2, inner.y() + 1, 16, 16), Qt::AlignHCenter | Qt::AlignTop,
                   rank);
        p.setPen(Qt::NoPen);
        p.setBrush(c.dark);
        p.drawPath(suitShape(suit, QRectF(inner.x() + 4.5, inner.y() + 18, 11, 12)));
        p.restore();
    }

    const QRectF pip(inner.center().x() - 24, inner.center().y() - 25, 48, 52);
    p.setPen(QPen(c.dark, 2));
    p.setBrush(c.main);
    p.drawPath(suitShape(suit, pip));
    return card.finish();
}

QImage kongCard(const FacePalette& c) {
    CardCanvas card;
    QPainter& p = card.painter();
    shadeFace(p, QRadialGradient(QPointF(46.5, 55), 80), c, 0.45);

    // City skyline behind the ape, with a stepped tower on the left.
    p.setPen(Qt::NoPen);
    p.setBrush(c.dark);
    static const std::array<QRectF, 7> blocks = {{{4, 96, 12, 46},
                                                  {6.5, 87, 7, 10},
                                                  {9.5, 76, 2, 12},
                                                  {15, 114, 10, 28},
                                                  {68, 110, 10, 32},
                                                  {77, 92, 12, 50},
                                                  {82, 86, 4, 7}}};
    for (const QRectF& b : blocks)
        p.drawRect(b);
    p.setBrush(mix(c.pale, Qt::white, 0.3));
    for (int row = 0; row < 5; ++row) {
        p.drawRect(QRectF(6.5, 100 + row * 8, 2, 3));
        p.drawRect(QRectF(11.5, 100 + row * 8, 2, 3));
        p.drawRect(QRectF(79.5, 96 + row * 8, 2, 3));
        p.drawRect(QRectF(84.5, 96 + row * 8, 2, 3));
    }

    const QColor fur(48, 34, 26);
    const QColor skin(196, 150, 108);
    const QColor line(25, 16, 12);

    // Broad shoulders with a bare chest.
    p.setBrush(fur);
    QPainterPath shoulders;
    shoulders.moveTo(16, 142);
    shoulders.cubicTo(14, 100, 28, 82, 46.5, 82);
    shoulders.cubicTo(65, 82, 79, 100, 77, 142);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setBrush(QColor(105, 78, 58));
    p.drawEllipse(QPointF(38, 108), 9, 7);
    p.drawEllipse(QPointF(55, 108), 9, 7);
    p.setBrush(fur);
    // Head with a tuft of hair on top.
    QPainterPath head;
    head.addEllipse(QPointF(46.5, 60), 26, 26);
    const QPainterPath tuft =
        polygon({{34, 40}, {40, 28}, {44, 37}, {49, 27}, {52, 37}, {58, 30}, {60, 42}});
    p.drawPath(head.united(tuft));
    p.drawEllipse(QPointF(20, 60), 7, 7);
    p.drawEllipse(QPointF(73, 60), 7, 7);
    p.setBrush(skin);
    p.drawEllipse(QPointF(20, 60), 4, 4);
    p.drawEllipse(QPointF(73, 60), 4, 4);

    // Face mask: eye area and a wide muzzle.
    QPainterPath mask;
    mask.addEllipse(QPointF(38, 57), 10, 9);
    mask.addEllipse(QPointF(55, 57), 10, 9);
    QPainterPath muzzle;
    muzzle.addEllipse(QPointF(46.5, 73), 19, 12);
    p.drawPath(mask.united(muzzle));

    // Heavy brow.
    p.setBrush(fur);
    QPainterPath brow;
    brow.moveTo(26, 52);
    brow.quadTo(36, 43, 46.5, 50);
    brow.quadTo(57, 43, 67, 52);
    brow.quadTo(57, 48, 46.5, 54);
    brow.quadTo(36, 48, 26, 52);
    brow.closeSubpath();
    p.drawPath(brow);

    // Eyes with a glint, nostrils and a stern mouth.
    p.setBrush(line);
    p.drawEllipse(QPointF(39, 58), 3, 2.5);
    p.drawEllipse(QPointF(54, 58), 3, 2.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(40, 57.2), 0.9, 0.9);
    p.drawEllipse(QPointF(55, 57.2), 0.9, 0.9);
    p.setBrush(line);
    p.drawEllipse(QPointF(42.5, 68), 2.2, 1.6);
    p.drawEllipse(QPointF(50.5, 68), 2.2, 1.6);
    p.setPen(QPen(line, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath mouth;
    mouth.moveTo(36, 78);
    mouth.quadTo(46.5, 74, 57, 78);
    p.drawPath(mouth);
    return card.finish();
}

QImage alienCard(const FacePalette& c) {
    CardCanvas card;
    QPainter& p = card.painter();
    shadeFace(p, QRadialGradient(QPointF(46.5, 72), 85), c, 0.6);

    // Fixed star field.
    static const std::array<QPointF, 14> stars = {{{10, 12},
                                                   {82, 10},
                                                   {14, 48},
                                                   {80, 44},
                                                   {9, 90},
                                                   {84, 86},
                                                   {20, 128},
                                                   {74, 130},
                                                   {30, 40},
                                                   {66, 38},
                                                   {86, 110},
                                                   {8, 112},
                                                   {24, 8},
                                                   {70, 6}}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    for (std::size_t i = 0; i < stars.size(); ++i)
        p.drawEllipse(stars[i], 0.8 + (i % 3) * 0.35, 0.8 + (i % 3) * 0.35);

    // Flying saucer.
    const QColor outline(35, 35, 55);
    p.setPen(QPen(outline, 1.2));
    p.setBrush(QColor(175, 235, 255));
    p.drawChord(QRectF(37, 11, 19, 16), 0, 180 * 16);
    p.setBrush(QColor(205, 210, 222));
    p.drawEllipse(QRectF(24, 17, 45, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 60));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(32 + i * 7.25, 22.5), 1.4, 1.4);

    // The visitor: big head, narrow chin, almond eyes.
    const QColor skin(222, 224, 238);
    p.setPen(QPen(outline, 1.5));
    p.setBrush(skin);
    p.drawEllipse(QPointF(46.5, 150), 30, 18);
    p.drawRect(QRectF(42, 112, 9, 30));
    QPainterPath head;
    head.moveTo(46.5, 38);
    head.cubicTo(80, 38, 84, 76, 63, 100);
    head.quadTo(53, 118, 46.5, 119);
    head.quadTo(40, 118, 30, 100);
    head.cubicTo(9, 76, 13, 38, 46.5, 38);
    head.closeSubpath();
    p.drawPath(head);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 25));
    for (int side = -1; side <= 1; side += 2) {
        p.save();
        p.translate(46.5 + side * 12, 80);
        p.rotate(side * 32);
        p.drawEllipse(QPointF(0, 0), 11, 6);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(-side * 3.5, -2), 2, 1.3);
        p.restore();
        p.setBrush(QColor(15, 15, 25));
    }
    p.setPen(QPen(outline, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(43, 106), QPointF(50, 106));
    return card.finish();
}

QImage celebrityCard(const FacePalette& c) {
    CardCanvas card;
    QPainter& p = card.painter();
    shadeFace(p, QLinearGradient(0, faceRect.top(), 0, faceRect.bottom()), c, 0.5);

    // Spotlight behind the silhouette.
    QRadialGradient spot(QPointF(46.5, 58), 42);
    spot.setColorAt(0, QColor(255, 255, 255, 150));
    spot.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(faceRect, spot);

    sparkle(p, QPointF(14, 18), 6, Qt::white);
    sparkle(p, QPointF(80, 26), 5, Qt::white);
    sparkle(p, QPointF(12, 82), 4, Qt::white);
    sparkle(p, QPointF(81, 74), 4.5, Qt::white);

    // Silhouette with a sash over one shoulder.
    const QColor shadow(22, 20, 30);
    QPainterPath body;
    body.moveTo(8, 116);
    body.cubicTo(10, 86, 26, 80, 40, 78);
    body.lineTo(53, 78);
    body.cubicTo(67, 80, 83, 86, 85, 116);
    body.closeSubpath();
    QPainterPath neck;
    neck.addRect(QRectF(40.5, 62, 12, 20));
    QPainterPath head;
    head.addEllipse(QPointF(46.5, 48), 14, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawPath(body.united(neck).united(head));

    const QPainterPath sash = polygon({{24, 80}, {34, 78}, {72, 116}, {58, 116}});
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    p.setBrush(QColor(236, 196, 72));
    p.drawPath(sash);
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sash);
    p.restore();
    p.setPen(QPen(QColor(120, 85, 10), 0.8));
    p.setBrush(QColor(255, 236, 140));
    p.drawPath(starShape(QPointF(49, 97), 5.5, 2.3));

    // A star set in the pavement, as on a walk of fame.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(48, 46, 54));
    p.drawRect(QRectF(faceRect.left(), 116, faceRect.width(), faceRect.bottom() - 116));
    p.setPen(QPen(QColor(212, 172, 70), 1.2));
    p.setBrush(QColor(238, 150, 170));
    p.drawPath(starShape(QPointF(46.5, 129), 12, 5));
    return card.finish();
}

QImage adultCard(const FacePalette& c) {
    CardCanvas card;
    QPainter& p = card.painter();
    shadeFace(p, QLinearGradient(faceRect.topLeft(), faceRect.bottomRight()), c, 0.4);

    // Faint small hearts scattered over the face.
    static const std::array<QPointF, 6> hearts = {
        {{12, 60}, {76, 62}, {16, 126}, {70, 128}, {10, 14}, {74, 12}}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    for (const QPointF& h : hearts)
        p.drawPath(fitted(heartShape(), QRectF(h, QSizeF(9, 9))));

    // "18+" badge.
    p.setPen(QPen(QColor(25, 25, 30), 3));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(46.5, 31), 19, 19);
    p.setPen(QColor(20, 20, 25));
    p.setFont(sans(16, true));
    p.drawText(QRectF(26.5, 21, 40, 20), Qt::AlignCenter, QStringLiteral("18+"));

    // Big heart holding a pair of lips.
    p.setPen(QPen(c.dark, 2));
    p.setBrush(QColor(255, 250, 250));
    p.drawPath(fitted(heartShape(), QRectF(13, 57, 67, 66)));

    const qreal cx = 46.5, cy = 83, left = 29, right = 64;
    QPainterPath upper;
    upper.moveTo(left, cy);
    upper.cubicTo(left + 7, cy - 9, cx - 7, cy - 11, cx, cy - 5);
    upper.cubicTo(cx + 7, cy - 11, right - 7, cy - 9, right, cy);
    upper.quadTo(cx, cy + 1.5, left, cy);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(left, cy);
    lower.quadTo(cx, cy + 2.5, right, cy);
    lower.cubicTo(right - 6, cy + 13, left + 6, cy + 13, left, cy);
    lower.closeSubpath();
    p.setPen(QPen(QColor(110, 0, 25), 1));
    p.setBrush(QColor(205, 20, 60));
    p.drawPath(upper);
    p.drawPath(lower);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(cx + 5, cy + 6), 5, 1.6);
    return card.finish();
}

// The plain cream face of the double-up's pictures, with a thin inner border
// when a border colour is given.
void paintLightFace(QPainter& p, const QColor& border = QColor()) {
    QLinearGradient back(0, faceRect.top(), 0, faceRect.bottom());
    back.setColorAt(0, QColor(252, 250, 240));
    back.setColorAt(1, QColor(236, 232, 215));
    p.fillRect(faceRect, back);
    if (!border.isValid())
        return;
    p.setPen(QPen(border, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(faceRect.adjusted(4, 4, -4, -4), 3, 3);
}

} // namespace

QImage themeCard(int theme, int picture) {
    if (picture < 1 || picture > picturesPerTheme) {
        std::fprintf(stderr, "make_assets: a theme has no picture %d\n", picture);
        return {};
    }
    const FacePalette& c = facePalettes[std::size_t(picture - 1)];
    switch (theme) {
    case 1: {
        static const std::array<Suit, 4> suits = {Suit::Clubs, Suit::Diamonds, Suit::Spades,
                                                  Suit::Hearts};
        return pokerCard(c, suits[std::size_t(picture - 1)], QStringLiteral("A"));
    }
    case 2:
        return kongCard(c);
    case 3:
        return alienCard(c);
    case 4:
        return celebrityCard(c);
    case 5:
        return adultCard(c);
    default:
        break;
    }
    std::fprintf(stderr, "make_assets: there is no theme %d\n", theme);
    return {};
}

// Card back: a lattice pattern with a hand of cards in a medallion.
QImage cardBack() {
    CardCanvas card;
    QPainter& p = card.painter();
    p.fillRect(faceRect, QColor(25, 45, 140));
    p.setPen(QPen(QColor(70, 100, 200), 1));
    for (int d = -150; d < 150; d += 8) {
        p.drawLine(QPointF(d, 0), QPointF(d + 150, 150));
        p.drawLine(QPointF(d + 150, 0), QPointF(d, 150));
    }
    p.setPen(QPen(QColor(235, 240, 255), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(faceRect.adjusted(4, 4, -4, -4), 3, 3);
    p.setPen(QPen(QColor(230, 200, 90), 1.5));
    p.setBrush(QColor(12, 28, 100));
    p.drawEllipse(QPointF(46.5, 72.5), 34, 42);
    drawFan(p, QPointF(46.5, 97), 21, 31);
    return card.finish();
}

// Someone pondering, chin in hand, next to a big question mark.
QImage ponderCard() {
    CardCanvas card;
    QPainter& p = card.painter();
    paintLightFace(p);

    p.setPen(QColor(40, 70, 200));
    p.setFont(sans(66, true));
    p.drawText(QRectF(44, 2, 46, 76), Qt::AlignCenter, QStringLiteral("?"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 70, 200));
    p.drawEllipse(QPointF(52, 54), 1.8, 1.8);
    p.drawEllipse(QPointF(57, 47), 2.5, 2.5);

    const QColor outline(45, 35, 30);
    const QColor skin(243, 203, 165);
    const QColor shirt(220, 80, 50);

    QPainterPath body;
    body.moveTo(6, 142);
    body.cubicTo(6, 108, 18, 98, 34, 97);
    body.lineTo(46, 97);
    body.cubicTo(62, 98, 72, 108, 72, 142);
    body.closeSubpath();
    p.setPen(QPen(outline, 1.5));
    p.setBrush(shirt);
    p.drawPath(body);

    p.setBrush(skin);
    p.drawRect(QRectF(35, 86, 10, 12));
    p.drawEllipse(QPointF(38, 70), 18, 19);
    // Hair.
    p.setBrush(QColor(90, 55, 30));
    QPainterPath hair;
    hair.moveTo(20.5, 68);
    hair.cubicTo(18, 46, 58, 44, 56, 64);
    hair.cubicTo(48, 56, 34, 56, 20.5, 68);
    hair.closeSubpath();
    p.drawPath(hair);

    // Eyes glance up towards the question mark; one eyebrow raised.
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawEllipse(QPointF(34, 70), 1.8, 2.2);
    p.drawEllipse(QPointF(45, 70), 1.8, 2.2);
    p.setPen(QPen(outline, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 65), QPointF(37, 65.5));
    p.drawLine(QPointF(42, 64), QPointF(48, 62));
    p.drawLine(QPointF(35, 81), QPointF(41, 80));

    // Arm from the right shoulder up to the chin.
    QPainterPath arm;
    arm.moveTo(64, 112);
    arm.quadTo(60, 96, 44, 92);
    p.setPen(QPen(outline, 10.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arm);
    p.setPen(QPen(shirt, 7.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(QPen(outline, 1.5));
    p.setBrush(skin);
    p.drawEllipse(QPointF(41, 89), 6, 5.5);
    return card.finish();
}

QImage dollarCard() {
    CardCanvas card;
    QPainter& p = card.painter();
    paintLightFace(p, QColor(20, 140, 60));

    QPainterPath sign;
    sign.addText(0, 0, sans(110, true), QStringLiteral("$"));
    const QRectF box = sign.boundingRect();
    sign.translate(cardWidth / 2.0 - box.center().x(), cardHeight / 2.0 - box.center().y());
    p.setPen(QPen(QColor(0, 80, 30), 2));
    p.setBrush(QColor(25, 160, 70));
    p.drawPath(sign);
    return card.finish();
}

QImage crossCard() {
    CardCanvas card;
    QPainter& p = card.painter();
    paintLightFace(p, QColor(200, 30, 30));

    const QLineF a(QPointF(22, 44), QPointF(71, 101));
    const QLineF b(QPointF(71, 44), QPointF(22, 101));
    p.setPen(QPen(QColor(130, 0, 0), 18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a);
    p.drawLine(b);
    p.setPen(QPen(QColor(220, 30, 30), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a);
    p.drawLine(b);
    return card.finish();
}

// The double-up offer button. The game writes its two words over the left
// part, so that stays a plain face; the arrow sits in the right 40 px.
QImage doubleUpButton() {
    QImage img(97, 41, QImage::Format_RGB32);
    img.fill(cardSurround);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 35, 120));
    p.drawRoundedRect(QRectF(0, 0, 97, 41), 7, 7);
    p.setBrush(QColor(120, 165, 245));
    p.drawRoundedRect(QRectF(1, 1, 94.5, 38.5), 6, 6);
    p.setBrush(QColor(35, 85, 205));
    p.drawRoundedRect(QRectF(2.5, 2.5, 93, 37), 5, 5);

    const QPainterPath arrow =
        polygon({{59, 15}, {75, 15}, {75, 7.5}, {90, 20.5}, {75, 33.5}, {75, 26}, {59, 26}});
    p.setPen(QPen(QColor(0, 80, 20), 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(50, 205, 70));
    p.drawPath(arrow);
    p.end();
    return img;
}

} // namespace artwork
