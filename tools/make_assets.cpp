// Draws every picture Tombel ships with: screen backgrounds, card faces, the
// double-up button and the two icons. Everything is painted from code with no
// randomness, so running it twice gives the same files and the artwork can be
// changed by editing this file and running it again.
//
// Usage: make_assets [output folder]   (default: the assets folder next to tools)

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#ifndef TOMBEL_ASSETS_DIR
#define TOMBEL_ASSETS_DIR "assets"
#endif

namespace {

// ---------------------------------------------------------------------------
// Shared drawing helpers

constexpr int kScreenW = 600;
constexpr int kScreenH = 400;
constexpr int kCardW = 93;
constexpr int kCardH = 145;

const QColor kSkyTop(52, 114, 233);
const QColor kSkyBottom(0, 7, 79);
const QColor kFrameWhite(255, 255, 255);
// Close to the darkened panel behind the card slots, so the rounded card
// corners blend into the table.
const QColor kCardSurround(12, 24, 78);

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

// Maps a shape drawn in a unit square onto a rectangle.
QPainterPath fitted(const QPainterPath& unit, const QRectF& r) {
    QTransform t;
    t.translate(r.x(), r.y());
    t.scale(r.width(), r.height());
    return t.map(unit);
}

enum class Suit { Clubs, Diamonds, Hearts, Spades };

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

QColor suitInk(Suit suit) {
    return (suit == Suit::Diamonds || suit == Suit::Hearts) ? QColor(205, 20, 30)
                                                            : QColor(20, 20, 30);
}

QPainterPath starShape(QPointF centre, qreal outer, qreal inner, int points = 5) {
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

// Four-pointed twinkle used as a sparkle.
void sparkle(QPainter& p, QPointF c, qreal size, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(starShape(c, size, size * 0.28, 4));
}

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

// Four cards spread like a hand, pivoting around a point below their centre.
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

// Text that stays readable on the gradient: a soft dark shadow under white.
void drawTitle(QPainter& p, const QRectF& box) {
    p.setFont(sans(32, true));
    p.setPen(QColor(0, 0, 40, 120));
    p.drawText(box.translated(1.5, 2), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("tombel"));
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("tombel"));
}

// ---------------------------------------------------------------------------
// Screen backgrounds

// One pixel lines exactly on the given columns and rows; the screens place
// their controls against these coordinates.
void frameLines(QPainter& p, int left, int top, int right, int bottom) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(left, top, right - left + 1, 1), kFrameWhite);
    p.fillRect(QRect(left, bottom, right - left + 1, 1), kFrameWhite);
    p.fillRect(QRect(left, top, 1, bottom - top + 1), kFrameWhite);
    p.fillRect(QRect(right, top, 1, bottom - top + 1), kFrameWhite);
    p.restore();
}

// A framed panel with a darker inside so white text on it stays readable.
void panel(QPainter& p, int left, int top, int right, int bottom, int darkness) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(left + 1, top + 1, right - left - 1, bottom - top - 1),
               QColor(0, 0, 25, darkness));
    p.restore();
    frameLines(p, left, top, right, bottom);
}

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kScreenH);
    sky.setColorAt(0.0, kSkyTop);
    sky.setColorAt(1.0, kSkyBottom);
    p.fillRect(QRect(0, 0, kScreenW, kScreenH), sky);

    // A faint light sweep running diagonally across the screen.
    QLinearGradient sweep(QPointF(120, 0), QPointF(420, 400));
    sweep.setColorAt(0.00, QColor(255, 255, 255, 0));
    sweep.setColorAt(0.38, QColor(255, 255, 255, 0));
    sweep.setColorAt(0.50, QColor(255, 255, 255, 38));
    sweep.setColorAt(0.56, QColor(255, 255, 255, 22));
    sweep.setColorAt(0.70, QColor(255, 255, 255, 0));
    sweep.setColorAt(1.00, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, kScreenW, kScreenH), sweep);
}

void drawLogo(QPainter& p, qreal centreX) {
    drawFan(p, QPointF(centreX, 98), 30, 44);
    drawTitle(p, QRectF(centreX - 100, 100, 200, 44));
}

// Small menu icons, each in a 14 x 14 box whose top-left corner is given.
void iconCard(QPainter& p, QPointF o) {
    p.setPen(QPen(QColor(40, 40, 70), 0.8));
    p.setBrush(QColor(252, 252, 250));
    p.drawRoundedRect(QRectF(o.x() + 2.5, o.y() + 0.5, 9, 13), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 25, 35));
    p.drawPath(fitted(heartShape(), QRectF(o.x() + 4, o.y() + 4, 6, 6)));
}

void iconGear(QPainter& p, QPointF o) {
    const QPointF c(o.x() + 7, o.y() + 7);
    QPainterPath gear;
    constexpr int teeth = 8;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * 2 * M_PI / teeth;
        const qreal step = M_PI / teeth;
        const std::array<std::pair<qreal, qreal>, 4> pts = {{{a - step * 0.95, 5.0},
                                                             {a - step * 0.45, 7.0},
                                                             {a + step * 0.45, 7.0},
                                                             {a + step * 0.95, 5.0}}};
        for (std::size_t k = 0; k < pts.size(); ++k) {
            const QPointF pt(c.x() + pts[k].second * std::cos(pts[k].first),
                             c.y() + pts[k].second * std::sin(pts[k].first));
            if (i == 0 && k == 0)
                gear.moveTo(pt);
            else
                gear.lineTo(pt);
        }
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 230, 240));
    p.drawPath(gear.subtracted(hole));
}

void iconKeyboard(QPainter& p, QPointF o) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(228, 232, 242));
    p.drawRoundedRect(QRectF(o.x(), o.y() + 2.5, 14, 9.5), 1.5, 1.5);
    p.setBrush(QColor(30, 50, 120));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(o.x() + 1.5 + col * 3, o.y() + 4 + row * 2.5, 2, 1.5));
    p.drawRect(QRectF(o.x() + 3.5, o.y() + 9, 7, 1.5));
}

void iconInfo(QPainter& p, QPointF o) {
    const QPointF c(o.x() + 7, o.y() + 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 238, 255));
    p.drawEllipse(c, 6.8, 6.8);
    p.setBrush(QColor(25, 70, 190));
    p.drawEllipse(QPointF(c.x(), o.y() + 3.6), 1.2, 1.2);
    p.drawRect(QRectF(c.x() - 1, o.y() + 5.6, 2, 5.4));
}

void iconExit(QPainter& p, QPointF o) {
    p.setPen(QPen(QColor(240, 240, 245), 1.0));
    p.setBrush(QColor(150, 95, 55));
    p.drawRect(QRectF(o.x() + 1.5, o.y() + 0.5, 7, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 80));
    p.drawEllipse(QPointF(o.x() + 6.8, o.y() + 7.5), 0.8, 0.8);
    QPainterPath arrow;
    arrow.moveTo(o.x() + 5, o.y() + 6);
    arrow.lineTo(o.x() + 10, o.y() + 6);
    arrow.lineTo(o.x() + 10, o.y() + 3.5);
    arrow.lineTo(o.x() + 14, o.y() + 7);
    arrow.lineTo(o.x() + 10, o.y() + 10.5);
    arrow.lineTo(o.x() + 10, o.y() + 8);
    arrow.lineTo(o.x() + 5, o.y() + 8);
    arrow.closeSubpath();
    p.setBrush(QColor(255, 120, 60));
    p.drawPath(arrow);
}

// Left edge and row tops of the main menu icons; the menu items' text starts
// at x = 149 and their rows start 2 px above each icon.
constexpr int kMenuIconX = 122;
constexpr std::array<int, 5> kMenuIconY = {209, 242, 275, 305, 347};

QImage menuLayout(bool withMenuIcons) {
    QImage img(kScreenW, kScreenH, QImage::Format_RGB32);
    QPainter p(&img);
    setupPainter(p);
    paintSky(p);
    drawLogo(p, kScreenW / 2.0);
    panel(p, 106, 165, 501, 372, 70);
    if (withMenuIcons) {
        const std::array<std::function<void(QPainter&, QPointF)>, 5> icons = {
            iconCard, iconGear, iconKeyboard, iconInfo, iconExit};
        for (std::size_t i = 0; i < icons.size(); ++i)
            icons[i](p, QPointF(kMenuIconX, kMenuIconY[i]));
    }
    p.end();
    return img;
}

QImage tableLayout(int cardSlots) {
    QImage img(kScreenW, kScreenH, QImage::Format_RGB32);
    QPainter p(&img);
    setupPainter(p);
    paintSky(p);
    drawLogo(p, 520);
    panel(p, 15, 12, 429, 150, 70);
    panel(p, 15, 165, 573, 372, 70);
    static const std::array<int, 5> slotLeft = {38, 142, 247, 351, 455};
    for (int i = 0; i < cardSlots; ++i)
        panel(p, slotLeft[i], 207, slotLeft[i] + 94, 354, 60);
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// Card faces

struct CardColour {
    QColor main;
    QColor dark;
    QColor pale;
};

// Picture 1 is green, 2 yellow, 3 blue, 4 red: players tell cards apart by colour.
const std::array<CardColour, 4> kCardColours = {{
    {QColor(20, 165, 60), QColor(0, 95, 35), QColor(210, 242, 215)},
    {QColor(250, 208, 20), QColor(165, 115, 0), QColor(255, 246, 195)},
    {QColor(30, 95, 225), QColor(10, 40, 140), QColor(208, 222, 252)},
    {QColor(222, 32, 32), QColor(135, 8, 8), QColor(252, 212, 205)},
}};

const QRectF kFace(4, 4, kCardW - 8, kCardH - 8);

QPainterPath faceShape() {
    QPainterPath path;
    path.addRoundedRect(kFace, 5, 5);
    return path;
}

// A blank card: white rounded edge on the table colour; the caller paints the
// face, already clipped to the inside of the edge.
void cardBlank(QPainter& p, QImage& img) {
    img = QImage(kCardW, kCardH, QImage::Format_RGB32);
    img.fill(kCardSurround);
    p.begin(&img);
    setupPainter(p);
    p.setPen(QPen(QColor(190, 190, 200), 1));
    p.setBrush(QColor(252, 252, 252));
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardW - 1, kCardH - 1), 8, 8);
    p.setClipPath(faceShape());
}

QImage pokerCard(const CardColour& c, Suit suit, const QString& rank) {
    QImage img;
    QPainter p;
    cardBlank(p, img);
    p.fillRect(kFace, c.main);
    const QRectF inner = kFace.adjusted(6, 6, -6, -6);
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
    p.end();
    return img;
}

QImage kongCard(const CardColour& c) {
    QImage img;
    QPainter p;
    cardBlank(p, img);
    QRadialGradient glow(QPointF(46.5, 55), 80);
    glow.setColorAt(0, c.main);
    glow.setColorAt(1, mix(c.main, c.dark, 0.45));
    p.fillRect(kFace, glow);

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
    QPainterPath tuft;
    tuft.moveTo(34, 40);
    tuft.lineTo(40, 28);
    tuft.lineTo(44, 37);
    tuft.lineTo(49, 27);
    tuft.lineTo(52, 37);
    tuft.lineTo(58, 30);
    tuft.lineTo(60, 42);
    tuft.closeSubpath();
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
    p.end();
    return img;
}

QImage alienCard(const CardColour& c) {
    QImage img;
    QPainter p;
    cardBlank(p, img);
    QRadialGradient sky(QPointF(46.5, 72), 85);
    sky.setColorAt(0, c.main);
    sky.setColorAt(1, mix(c.main, c.dark, 0.6));
    p.fillRect(kFace, sky);

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
    p.end();
    return img;
}

QImage celebrityCard(const CardColour& c) {
    QImage img;
    QPainter p;
    cardBlank(p, img);
    QLinearGradient back(0, kFace.top(), 0, kFace.bottom());
    back.setColorAt(0, c.main);
    back.setColorAt(1, mix(c.main, c.dark, 0.5));
    p.fillRect(kFace, back);

    // Spotlight behind the silhouette.
    QRadialGradient spot(QPointF(46.5, 58), 42);
    spot.setColorAt(0, QColor(255, 255, 255, 150));
    spot.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(kFace, spot);

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

    QPainterPath sash;
    sash.moveTo(24, 80);
    sash.lineTo(34, 78);
    sash.lineTo(72, 116);
    sash.lineTo(58, 116);
    sash.closeSubpath();
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
    p.drawRect(QRectF(kFace.left(), 116, kFace.width(), kFace.bottom() - 116));
    p.setPen(QPen(QColor(212, 172, 70), 1.2));
    p.setBrush(QColor(238, 150, 170));
    p.drawPath(starShape(QPointF(46.5, 129), 12, 5));
    p.end();
    return img;
}

QImage adultCard(const CardColour& c) {
    QImage img;
    QPainter p;
    cardBlank(p, img);
    QLinearGradient back(kFace.topLeft(), kFace.bottomRight());
    back.setColorAt(0, c.main);
    back.setColorAt(1, mix(c.main, c.dark, 0.4));
    p.fillRect(kFace, back);

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
    p.end();
    return img;
}

QImage themeCard(int theme, int picture) {
    const CardColour& c = kCardColours[std::size_t(picture - 1)];
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
    default:
        return adultCard(c);
    }
}

// Card back: a lattice pattern with a hand of cards in a medallion.
QImage cardBack() {
    QImage img;
    QPainter p;
    cardBlank(p, img);
    p.fillRect(kFace, QColor(25, 45, 140));
    p.setPen(QPen(QColor(70, 100, 200), 1));
    for (int d = -150; d < 150; d += 8) {
        p.drawLine(QPointF(d, 0), QPointF(d + 150, 150));
        p.drawLine(QPointF(d + 150, 0), QPointF(d, 150));
    }
    p.setPen(QPen(QColor(235, 240, 255), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kFace.adjusted(4, 4, -4, -4), 3, 3);
    p.setPen(QPen(QColor(230, 200, 90), 1.5));
    p.setBrush(QColor(12, 28, 100));
    p.drawEllipse(QPointF(46.5, 72.5), 34, 42);
    drawFan(p, QPointF(46.5, 97), 21, 31);
    p.end();
    return img;
}

QImage lightCard() {
    QImage img;
    QPainter p;
    cardBlank(p, img);
    QLinearGradient back(0, kFace.top(), 0, kFace.bottom());
    back.setColorAt(0, QColor(252, 250, 240));
    back.setColorAt(1, QColor(236, 232, 215));
    p.fillRect(kFace, back);
    p.end();
    return img;
}

// Someone pondering, chin in hand, next to a big question mark.
QImage ponderCard() {
    QImage img = lightCard();
    QPainter p(&img);
    setupPainter(p);
    p.setClipPath(faceShape());

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
    p.end();
    return img;
}

QImage dollarCard() {
    QImage img = lightCard();
    QPainter p(&img);
    setupPainter(p);
    p.setClipPath(faceShape());
    p.setPen(QPen(QColor(20, 140, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kFace.adjusted(4, 4, -4, -4), 3, 3);

    QPainterPath sign;
    sign.addText(0, 0, sans(110, true), QStringLiteral("$"));
    const QRectF box = sign.boundingRect();
    sign.translate(kCardW / 2.0 - box.center().x(), kCardH / 2.0 - box.center().y());
    p.setPen(QPen(QColor(0, 80, 30), 2));
    p.setBrush(QColor(25, 160, 70));
    p.drawPath(sign);
    p.end();
    return img;
}

QImage crossCard() {
    QImage img = lightCard();
    QPainter p(&img);
    setupPainter(p);
    p.setClipPath(faceShape());
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kFace.adjusted(4, 4, -4, -4), 3, 3);

    const QLineF a(QPointF(22, 44), QPointF(71, 101));
    const QLineF b(QPointF(71, 44), QPointF(22, 101));
    p.setPen(QPen(QColor(130, 0, 0), 18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a);
    p.drawLine(b);
    p.setPen(QPen(QColor(220, 30, 30), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a);
    p.drawLine(b);
    p.end();
    return img;
}

// The double-up offer button. The game writes its two words over the left
// part, so that stays a plain face; the arrow sits in the right 40 px.
QImage doubleUpButton() {
    QImage img(97, 41, QImage::Format_RGB32);
    img.fill(kCardSurround);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 35, 120));
    p.drawRoundedRect(QRectF(0, 0, 97, 41), 7, 7);
    p.setBrush(QColor(120, 165, 245));
    p.drawRoundedRect(QRectF(1, 1, 94.5, 38.5), 6, 6);
    p.setBrush(QColor(35, 85, 205));
    p.drawRoundedRect(QRectF(2.5, 2.5, 93, 37), 5, 5);

    QPainterPath arrow;
    arrow.moveTo(59, 15);
    arrow.lineTo(75, 15);
    arrow.lineTo(75, 7.5);
    arrow.lineTo(90, 20.5);
    arrow.lineTo(75, 33.5);
    arrow.lineTo(75, 26);
    arrow.lineTo(59, 26);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 80, 20), 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(50, 205, 70));
    p.drawPath(arrow);
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// Icons

// Program icon: a blue tile with a hand of two cards, the front one marked T.
void paintProgramIcon(QPainter& p) {
    QLinearGradient tile(0, 4, 0, 124);
    tile.setColorAt(0, kSkyTop);
    tile.setColorAt(1, kSkyBottom);
    p.setPen(QPen(QColor(0, 10, 60), 3));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 22, 22);

    p.save();
    p.translate(64, 112);
    p.rotate(-18);
    p.setPen(QPen(QColor(40, 40, 70), 3));
    p.setBrush(QColor(215, 222, 240));
    p.drawRoundedRect(QRectF(-28, -96, 56, 80), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 20, 30));
    p.drawPath(fitted(heartShape(), QRectF(-21, -89, 16, 16)));
    p.restore();

    p.save();
    p.translate(64, 112);
    p.rotate(12);
    p.setPen(QPen(QColor(40, 40, 70), 3));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(-26, -98, 56, 80), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 40, 160));
    p.drawRect(QRectF(-16, -86, 36, 13));
    p.drawRect(QRectF(-4.5, -86, 13, 58));
    p.restore();
}

// Screen icon: a single card with a heart.
void paintScreenIcon(QPainter& p) {
    p.setPen(QPen(QColor(10, 30, 120), 8));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(24, 6, 80, 116), 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 114, 233));
    p.drawRoundedRect(QRectF(34, 16, 60, 96), 6, 6);
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(40, 22, 48, 84), 4, 4);
    p.setBrush(QColor(215, 20, 30));
    p.drawPath(fitted(heartShape(), QRectF(42, 42, 44, 44)));
}

QImage renderIcon(const std::function<void(QPainter&)>& paint, int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    setupPainter(p);
    p.scale(size / 128.0, size / 128.0);
    paint(p);
    p.end();
    return img;
}

// Colours for the palettised icon images: the 16 colours the icons use most,
// then (for 256 colours) a 6 x 6 x 6 colour cube and a grey ramp.
std::vector<QRgb> iconPalette(int bitsPerPixel) {
    std::vector<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(200, 205, 220), qRgb(110, 115, 135),
        qRgb(0, 10, 70),     qRgb(15, 45, 150),   qRgb(40, 90, 210),   qRgb(80, 140, 240),
        qRgb(150, 185, 245), qRgb(215, 20, 30),   qRgb(120, 10, 20),   qRgb(20, 160, 60),
        qRgb(250, 208, 20),  qRgb(40, 40, 70),    qRgb(20, 60, 130),   qRgb(235, 238, 248),
    };
    if (bitsPerPixel == 8) {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    palette.push_back(qRgb(r * 51, g * 51, b * 51));
        for (int i = 0; i < 24; ++i)
            palette.push_back(qRgb(8 + i * 10, 8 + i * 10, 8 + i * 10));
    }
    return palette;
}

int nearestColour(QRgb c, const std::vector<QRgb>& palette) {
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = qRed(c) - qRed(palette[i]);
        const long dg = qGreen(c) - qGreen(palette[i]);
        const long db = qBlue(c) - qBlue(palette[i]);
        const long distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
        }
    }
    return best;
}

void appendLe16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void appendLe32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// One icon image as a bottom-up DIB: header, palette, colour bits, then the
// 1-bit transparency mask.
QByteArray iconDib(const QImage& source, int bitsPerPixel) {
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    const int colourStride = ((w * bitsPerPixel + 31) / 32) * 4;
    const int maskStride = ((w + 31) / 32) * 4;
    const std::vector<QRgb> palette =
        bitsPerPixel <= 8 ? iconPalette(bitsPerPixel) : std::vector<QRgb>();

    QByteArray out;
    appendLe32(out, 40);
    appendLe32(out, quint32(w));
    appendLe32(out, quint32(h * 2)); // colour bits and mask stacked
    appendLe16(out, 1);
    appendLe16(out, quint16(bitsPerPixel));
    appendLe32(out, 0); // uncompressed
    appendLe32(out, quint32((colourStride + maskStride) * h));
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, quint32(palette.size()));
    appendLe32(out, 0);
    for (QRgb c : palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }

    QByteArray colour(colourStride * h, '\0');
    QByteArray mask(maskStride * h, '\0');
    for (int y = 0; y < h; ++y) {
        const int row = h - 1 - y;
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        char* colourRow = colour.data() + row * colourStride;
        char* maskRow = mask.data() + row * maskStride;
        for (int x = 0; x < w; ++x) {
            const QRgb px = line[x];
            const bool opaque = bitsPerPixel == 32 ? qAlpha(px) > 0 : qAlpha(px) >= 128;
            if (!opaque)
                maskRow[x / 8] = char(maskRow[x / 8] | (0x80 >> (x % 8)));
            if (bitsPerPixel == 32) {
                char* dst = colourRow + x * 4;
                dst[0] = char(qBlue(px));
                dst[1] = char(qGreen(px));
                dst[2] = char(qRed(px));
                dst[3] = char(qAlpha(px));
                continue;
            }
            if (!opaque)
                continue; // index 0 is black, which the mask makes transparent
            const int index = nearestColour(px, palette);
            if (bitsPerPixel == 8) {
                colourRow[x] = char(index);
            } else {
                const int shift = (x % 2 == 0) ? 4 : 0;
                colourRow[x / 2] = char(colourRow[x / 2] | (index << shift));
            }
        }
    }
    out.append(colour);
    out.append(mask);
    return out;
}

struct IconImage {
    int size;
    int bitsPerPixel;
};

// Qt's icon writer stores only one depth, so the container is built here.
QByteArray iconFile(const std::function<void(QPainter&)>& paint,
                    const std::vector<IconImage>& images) {
    std::vector<QByteArray> dibs;
    for (const IconImage& i : images)
        dibs.push_back(iconDib(renderIcon(paint, i.size), i.bitsPerPixel));

    QByteArray out;
    appendLe16(out, 0);
    appendLe16(out, 1); // icon, not cursor
    appendLe16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].size;
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(images[i].bitsPerPixel == 4 ? 16 : 0));
        out.append(char(0));
        appendLe16(out, 1);
        appendLe16(out, quint16(images[i].bitsPerPixel));
        appendLe32(out, quint32(dibs[i].size()));
        appendLe32(out, offset);
        offset += quint32(dibs[i].size());
    }
    for (const QByteArray& dib : dibs)
        out.append(dib);
    return out;
}

std::vector<IconImage> iconSet(const std::vector<int>& sizes, const std::vector<int>& depths) {
    std::vector<IconImage> set;
    for (int depth : depths)
        for (int size : sizes)
            set.push_back({size, depth});
    return set;
}

// ---------------------------------------------------------------------------
// Output

class AssetWriter {
public:
    explicit AssetWriter(const QString& root) : root_(root) {}

    void image(const QString& name, const QImage& img, const char* format, int quality = -1) {
        if (!makePath(name))
            return;
        if (!img.save(root_.filePath(name), format, quality))
            fail(name);
        else
            files_ << name;
    }

    void bytes(const QString& name, const QByteArray& data) {
        if (!makePath(name))
            return;
        QFile file(root_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            fail(name);
        else
            files_ << name;
    }

    // Resource list for the program: every picture written above, loaded as
    // ":/<folder>/<name>".
    void resourceList(const QString& name) {
        QStringList sorted = files_;
        sorted.sort();
        QByteArray xml = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n";
        for (const QString& f : sorted)
            xml += "        <file>" + f.toUtf8() + "</file>\n";
        xml += "    </qresource>\n</RCC>\n";
        QFile file(root_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
            fail(name);
    }

    QString path(const QString& name) const { return root_.filePath(name); }
    int count() const { return int(files_.size()); }
    bool ok() const { return ok_; }
    void fail(const QString& what) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path(what)));
        ok_ = false;
    }

private:
    bool makePath(const QString& name) {
        const QString dir = QFileInfo(root_.filePath(name)).absolutePath();
        if (QDir().mkpath(dir))
            return true;
        fail(name);
        return false;
    }

    QDir root_;
    QStringList files_;
    bool ok_ = true;
};

// Reads an icon back to make sure every image in it decodes.
bool checkIcon(const QString& path, int expectedImages) {
    QImageReader reader(path, "ico");
    const int count = reader.imageCount();
    int decoded = 0;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        if (!reader.read().isNull())
            ++decoded;
    }
    std::printf("%s: %d images, %d decoded\n", qPrintable(QFileInfo(path).fileName()), count,
                decoded);
    return count == expectedImages && decoded == expectedImages;
}

} // namespace

int main(int argc, char* argv[]) {
    // Painting needs no screen; this also keeps the output independent of the
    // display the tool happens to run on.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    const QString outDir = args.size() > 1 ? args.at(1) : QStringLiteral(TOMBEL_ASSETS_DIR);

    const QFontInfo fontInfo(sans(20, true));
    if (fontInfo.family() != QLatin1String("Liberation Sans"))
        std::fprintf(stderr, "make_assets: warning: Liberation Sans not found, using %s\n",
                     qPrintable(fontInfo.family()));

    AssetWriter out(outDir);

    // Backgrounds. Opcije is read as a plain 24-bit BMP.
    out.image(QStringLiteral("backgrounds/glavniMeni.jpg"), menuLayout(true), "JPEG", 95);
    out.image(QStringLiteral("backgrounds/Opcije.bmp"),
              menuLayout(false).convertToFormat(QImage::Format_RGB888), "BMP");
    out.image(QStringLiteral("backgrounds/Kontrole.jpg"), menuLayout(false), "JPEG", 95);
    out.image(QStringLiteral("backgrounds/KarteIgra.jpg"), tableLayout(5), "JPEG", 95);
    out.image(QStringLiteral("backgrounds/VecaManja.jpg"), tableLayout(1), "JPEG", 95);

    // Card faces: theme T, picture P.
    for (int theme = 1; theme <= 5; ++theme)
        for (int picture = 1; picture <= 4; ++picture)
            out.image(QStringLiteral("pictures/Tema%1%2.jpg").arg(theme).arg(picture),
                      themeCard(theme, picture), "JPEG", 90);
    out.image(QStringLiteral("pictures/Eks.jpg"), cardBack(), "JPEG", 90);
    out.image(QStringLiteral("pictures/VecaManja.jpg"), ponderCard(), "JPEG", 90);
    out.image(QStringLiteral("pictures/Dolar.jpg"), dollarCard(), "JPEG", 90);
    out.image(QStringLiteral("pictures/Unazad.jpg"), crossCard(), "JPEG", 90);
    out.image(QStringLiteral("pictures/slikaVecaManja.jpg"), doubleUpButton(), "JPEG", 90);

    // Icons.
    const std::vector<IconImage> programIcon = [] {
        std::vector<IconImage> set = iconSet({16, 24, 32, 48}, {32, 8, 4});
        set.insert(set.begin(), IconImage{128, 32});
        return set;
    }();
    out.bytes(QStringLiteral("icons/tombel.ico"), iconFile(paintProgramIcon, programIcon));
    out.bytes(QStringLiteral("icons/screen.ico"),
              iconFile(paintScreenIcon, iconSet({16, 32, 48}, {32, 8, 4})));

    out.resourceList(QStringLiteral("assets.qrc"));

    bool ok = out.ok();
    ok = checkIcon(out.path(QStringLiteral("icons/tombel.ico")), 13) && ok;
    ok = checkIcon(out.path(QStringLiteral("icons/screen.ico")), 9) && ok;
    std::printf("%d files written to %s\n", out.count(), qPrintable(QDir(outDir).absolutePath()));
    return ok ? 0 : 1;
}
