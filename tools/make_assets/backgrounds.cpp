// The screen backgrounds.

#include "backgrounds.h"

#include "card_table/cardplaces.h"
#include "drawing.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cmath>
#include <functional>

namespace artwork {

namespace {

constexpr int screenWidth = 600;
constexpr int screenHeight = 400;
const QColor frameWhite(255, 255, 255);

// One pixel lines exactly on the given columns and rows; the screens place
// their controls against these coordinates.
void frameLines(QPainter& p, int left, int top, int right, int bottom) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(left, top, right - left + 1, 1), frameWhite);
    p.fillRect(QRect(left, bottom, right - left + 1, 1), frameWhite);
    p.fillRect(QRect(left, top, 1, bottom - top + 1), frameWhite);
    p.fillRect(QRect(right, top, 1, bottom - top + 1), frameWhite);
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
    QLinearGradient sky(0, 0, 0, screenHeight);
    sky.setColorAt(0.0, skyTop);
    sky.setColorAt(1.0, skyBottom);
    p.fillRect(QRect(0, 0, screenWidth, screenHeight), sky);

    // A faint light sweep running diagonally across the screen.
    QLinearGradient sweep(QPointF(120, 0), QPointF(420, 400));
    sweep.setColorAt(0.00, QColor(255, 255, 255, 0));
    sweep.setColorAt(0.38, QColor(255, 255, 255, 0));
    sweep.setColorAt(0.50, QColor(255, 255, 255, 38));
    sweep.setColorAt(0.56, QColor(255, 255, 255, 22));
    sweep.setColorAt(0.70, QColor(255, 255, 255, 0));
    sweep.setColorAt(1.00, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, screenWidth, screenHeight), sweep);
}

// Text that stays readable on the gradient: a soft dark shadow under white.
void drawTitle(QPainter& p, const QRectF& box) {
    p.setFont(sans(32, true));
    p.setPen(QColor(0, 0, 40, 120));
    p.drawText(box.translated(1.5, 2), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("tombel"));
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("tombel"));
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
    const QPainterPath arrow = polygon({{o.x() + 5, o.y() + 6},
                                        {o.x() + 10, o.y() + 6},
                                        {o.x() + 10, o.y() + 3.5},
                                        {o.x() + 14, o.y() + 7},
                                        {o.x() + 10, o.y() + 10.5},
                                        {o.x() + 10, o.y() + 8},
                                        {o.x() + 5, o.y() + 8}});
    p.setBrush(QColor(255, 120, 60));
    p.drawPath(arrow);
}

// Left edge and row tops of the main menu icons; the menu items' text starts
// at x = 149 and their rows start 2 px above each icon.
constexpr int menuIconLeft = 122;
constexpr std::array<int, 5> menuIconTops = {209, 242, 275, 305, 347};

// Each card place is framed one pixel outside its card, two pixels below it.
// Places are in twips; a frame stands on the pixel nearest the place.
constexpr int twipsPerPixel = 15;
constexpr int nearestPixel(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

} // namespace

QImage menuLayout(bool withMenuIcons) {
    QImage img(screenWidth, screenHeight, QImage::Format_RGB32);
    QPainter p(&img);
    setupPainter(p);
    paintSky(p);
    drawLogo(p, screenWidth / 2.0);
    panel(p, 106, 165, 501, 372, 70);
    if (withMenuIcons) {
        const std::array<std::function<void(QPainter&, QPointF)>, 5> icons = {
            iconCard, iconGear, iconKeyboard, iconInfo, iconExit};
        for (std::size_t i = 0; i < icons.size(); ++i)
            icons[i](p, QPointF(menuIconLeft, menuIconTops[i]));
    }
    p.end();
    return img;
}

QImage tableLayout(int framedPlaces) {
    QImage img(screenWidth, screenHeight, QImage::Format_RGB32);
    QPainter p(&img);
    setupPainter(p);
    paintSky(p);
    drawLogo(p, 520);
    panel(p, 15, 12, 429, 150, 70);
    panel(p, 15, 165, 573, 372, 70);
    const int top = nearestPixel(cardplaces::top) - 1;
    for (int i = 0; i < framedPlaces; ++i) {
        const int left = nearestPixel(cardplaces::lefts[std::size_t(i)]) - 1;
        panel(p, left, top, left + cardPictureSize.width() + 1,
              top + cardPictureSize.height() + 2, 60);
    }
    p.end();
    return img;
}

} // namespace artwork
