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

QImage shownWindow(QWidget& window) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage();
}
