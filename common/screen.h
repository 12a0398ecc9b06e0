#pragma once
// A screen: one page of the program's window (ScreenFrame). It draws the
// shared look, a background picture drawn unscaled from the top-left corner
// (or plain black) with thin white rules, and carries the operations the
// screens use to hand over to each other. Positions and sizes are kept in
// twips, 15 to a pixel, and converted here only.
//
// A screen's place is the window's place while it is shown. A screen that
// is not shown keeps the place it had when it was last shown (or where Move
// put it), and takes the window there when it is shown again; a screen that
// is placed where the window already stands moves nothing.

#include "common/screenframe.h"
#include "common/switcher.h"

#include <QIcon>
#include <QLine>
#include <QPixmap>
#include <QWidget>
#include <optional>
#include <vector>

class Screen : public QWidget {
    Q_OBJECT
public:
    static constexpr int twipsPerPixel = 15;

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

    // The outer window's position, in twips, as this screen has it.
    int Left() const { return position().x(); }
    int Top() const { return position().y(); }
    QPoint position() const;
    void Move(int left, int top);
    void Move(QPoint twips) { Move(twips.x(), twips.y()); }

    // Shows the screen in the window without blocking and runs its
    // activation. Switching between programs does not activate a screen;
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
    ScreenFrame& frame() const { return frame_; }

    void setBackgroundPicture(const QString& resourcePath);
    // The window's icon while this screen shows.
    void setScreenIcon(const QString& resourcePath);
    // A thin white rule between two points given in twips.
    void addLine(int x1, int y1, int x2, int y2);

    void paintEvent(QPaintEvent* event) override;

private:
    // A screen is shown, hidden and placed only through Show, Hide and Move:
    // Qt's own would skip the activation, the twips and the window.
    using QWidget::hide;
    using QWidget::move;
    using QWidget::show;

    bool isCurrent() const { return frame_.currentPage() == this; }

    ScreenSwitcher& switcher_;
    ScreenFrame& frame_;
    ScreenId id_;
    QIcon icon_;
    // Set by Move, and by Hide to the window's place at that moment.
    std::optional<QPoint> place_;
    // Decoded at the first paint and given back when the screen is hidden.
    QString backgroundPath_;
    QPixmap background_;
    std::vector<QLine> lines_;
};

// Decodes a built-in picture anew on every call, past Qt's own pixmap cache,
// so the one copy is the caller's: it lives as long as the caller keeps it.
QPixmap loadBuiltInPicture(const QString& resourcePath);
