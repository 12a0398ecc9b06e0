// The two icons' artwork.

#include "icons.h"

#include "drawing.h"

#include <QLinearGradient>
#include <QPainter>

namespace artwork {

void paintProgramIcon(QPainter& p) {
    QLinearGradient tile(0, 4, 0, 124);
    tile.setColorAt(0, skyTop);
    tile.setColorAt(1, skyBottom);
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

std::vector<IconImage> programIconImages() {
    std::vector<IconImage> set = iconSet({16, 24, 32, 48}, {32, 8, 4});
    set.insert(set.begin(), IconImage{128, 32});
    return set;
}

std::vector<IconImage> screenIconImages() {
    return iconSet({16, 32, 48}, {32, 8, 4});
}

} // namespace artwork
