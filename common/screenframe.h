#pragma once
// The program's one window: a fixed 598 x 397 client area titled "Tombel",
// showing one screen at a time as its page. A switch between screens changes
// the page, never the window, so the desktop keeps the window where the
// player put it on every window manager, Wayland included, and the taskbar
// keeps one entry.
//
// The frame moves only when asked: at start-up, to centre it, and when the
// main menu comes back to the place it had before the player dragged the
// window on another screen. Where the platform lets no program place its
// window (Wayland), those requests do nothing.

#include <QIcon>
#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <functional>

class Screen;

class ScreenFrame final : public QWidget {
    Q_OBJECT
public:
    static constexpr int clientWidth = 598;
    static constexpr int clientHeight = 397;

    // closeRequested runs when the window's close box is used.
    explicit ScreenFrame(std::function<void()> closeRequested);

    // The outer window's top-left corner on the desktop, in pixels.
    QPoint outerPosition() const;
    // Puts the outer window's top-left corner there, shown or not.
    void moveOuterTo(QPoint place);
    // What the window manager has put round the client area; none before
    // the window is framed, offscreen or without a window manager.
    QMargins decoration() const;

    // Makes the page the one shown, shows the window if it is hidden and
    // gives the page the keyboard. Other pages stay as they are: the
    // switcher hides the one that leaves.
    void showPage(Screen& page, const QIcon& icon);
    // A page hid itself; without a page to show, the window hides too.
    void pageHidden(Screen& page);
    Screen* currentPage() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void giveKeyboardTo(Screen& page);
    void keepClientSize();

    std::function<void()> closeRequested_;
    QPointer<Screen> current_;
    // The decoration as it was while the window was last shown, so a hidden
    // window can be placed by its outer corner too.
    QMargins lastDecoration_;
    bool watchingScreen_ = false;
};
