#pragma once
// What a repaint costs and what it leaves on the screen: paint events counted
// per widget, and a window as the window system shows it.

#include <QImage>
#include <QObject>

class QWidget;

// Counts the paint events one widget receives itself, not its children's.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget& widget);
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Lets every pending repaint happen, then returns the page as its window
// shows it (the window system's copy, built up by the repaints, not a fresh
// rendering).
QImage shownWindow(QWidget& page);
