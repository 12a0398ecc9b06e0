#pragma once
// The frame every screen stands in: a fixed 598 x 397 client area titled
// "Tombel", a background picture drawn unscaled from the top-left corner (or
// plain black), thin white rules, and the window operations the screens use
// to hand over to each other. Positions and sizes are kept in twips, 15 to a
// pixel, and converted here only.

#include "common/switcher.h"

#include <QLine>
#include <QMargins>
#include <QPixmap>
#include <QWidget>
#include <vector>

class Screen : public QWidget {
    Q_OBJECT
public:
    static constexpr int twipsPerPixel = 15;
    static constexpr int clientWidth = 598;
    static constexpr int clientHeight = 397;

    // To the nearest pixel: 580 twips are 38.67 px and the card drawn there
    // must start at 39, inside its frame's line, not on it.
    static constexpr int toPixels(int twips) {
        const int half = twipsPerPixel / 2;
        return twips >= 0 ? (twips + half) / twipsPerPixel : -((half - twips) / twipsPerPixel);
    }
    static QRect toPixels(QRect twips);

    Screen(ScreenSwitcher& switcher, ScreenId id);

    ScreenId id() const { return id_; }

    // The load: runs once, when the screen set has created the screen and
    // before anything else touches it.
    virtual void Form_Load() {}

    // The outer window's position and size, in twips. Move places the outer
    // frame, whether the screen is shown, hidden or not yet framed: a hidden
    // screen takes the frame that the window manager puts round the screen on
    // show now, so it lands exactly where that one stands.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    QPoint position() const { return {Left(), Top()}; }
    void Move(int left, int top);
    void Move(QPoint twips) { Move(twips.x(), twips.y()); }

    // Shows the screen without blocking, makes it the active window and runs
    // its activation. Switching between programs does not activate a screen;
    // only this does.
    void Show();
    void Hide();
    // Closes the screen for good: it hides and its timers stop, so no tick of
    // it runs again. The screen set then deletes it.
    void Unload();

signals:
    // The screen is being unloaded; its timers stop on this.
    void unloading();

protected:
    virtual void Form_Activate() {}

    ScreenSwitcher& switcher() { return switcher_; }

    void setBackgroundPicture(const QString& resourcePath);
    void setScreenIcon(const QString& resourcePath);
    // A thin white rule between two points given in twips.
    void addLine(int x1, int y1, int x2, int y2);

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // The frame the window manager has put round this screen when it is
    // shown, else round the screen on show; none offscreen or without one.
    QMargins desktopFrame() const;

private:
    // A screen is shown, hidden and placed only through Show, Hide and Move:
    // Qt's own would skip the activation, the twips and the frame.
    using QWidget::hide;
    using QWidget::move;
    using QWidget::show;

    ScreenSwitcher& switcher_;
    ScreenId id_;
    // Decoded at the first paint and given back when the screen is hidden.
    QString backgroundPath_;
    QPixmap background_;
    std::vector<QLine> lines_;
};

// Decodes a built-in picture anew on every call, past Qt's own pixmap cache,
// so the one copy is the caller's: it lives as long as the caller keeps it.
QPixmap loadBuiltInPicture(const QString& resourcePath);
