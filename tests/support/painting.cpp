#include "painting.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

PaintCounter::PaintCounter(QWidget& widget) : QObject(&widget) {
    widget.installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Paint)
        ++paints;
    return false;
}

QImage shownWindow(QWidget& page) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QWidget* window = page.window();
    const QRect area(page.mapTo(window, QPoint()), page.size());
    return window->screen()
        ->grabWindow(window->winId(), area.x(), area.y(), area.width(), area.height())
        .toImage();
}
