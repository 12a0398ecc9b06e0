#include "common/screenframe.h"

#include "common/screen.h"

#include <QCloseEvent>
#include <QWindow>

ScreenFrame::ScreenFrame(std::function<void()> closeRequested)
    : closeRequested_(std::move(closeRequested)) {
    setObjectName(QStringLiteral("Tombel"));
    // No minimise or maximise button is asked for. Some window managers
    // (openbox) draw both anyway; a dialog or tool window type would not
    // change that there and would cost the taskbar entry.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tombel"));
    setFixedSize(clientWidth, clientHeight);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
}

QMargins ScreenFrame::decoration() const {
    // Qt knows a window's frame only while it is shown.
    if (!isVisible())
        return lastDecoration_;
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    return {client.left() - outer.left(), client.top() - outer.top(),
            outer.right() - client.right(), outer.bottom() - client.bottom()};
}

QPoint ScreenFrame::outerPosition() const {
    if (isVisible())
        return frameGeometry().topLeft();
    // Before the window is first made, its position is its outer corner
    // already (see moveOuterTo); afterwards the client area's.
    return geometry().topLeft() - QPoint(lastDecoration_.left(), lastDecoration_.top());
}

void ScreenFrame::moveOuterTo(QPoint place) {
    if (!testAttribute(Qt::WA_WState_Created)) {
        // No window made yet: the platform is told that this is the outer
        // frame's place and keeps it so once the frame exists.
        move(place);
        return;
    }
    // A window asked to stand where it stands is left alone: some window
    // managers (metacity, mutter) take such a request as a new placement
    // and move the window by the height of its title bar.
    if (outerPosition() == place)
        return;
    if (isVisible()) {
        // Shown, Qt counts the frame it knows.
        move(place);
        return;
    }
    setGeometry(QRect(place + QPoint(lastDecoration_.left(), lastDecoration_.top()), size()));
}

void ScreenFrame::showPage(Screen& page, const QIcon& icon) {
    if (windowIcon().cacheKey() != icon.cacheKey())
        setWindowIcon(icon);
    current_ = &page;
    QWidget& widget = page;
    widget.show();
    widget.raise();
    if (!isVisible()) {
        show();
        raise();
        activateWindow();
    }
    giveKeyboardTo(page);
}

void ScreenFrame::pageHidden(Screen& page) {
    if (current_ != &page)
        return;
    current_ = nullptr;
    lastDecoration_ = decoration();
    hide();
}

Screen* ScreenFrame::currentPage() const {
    return current_;
}

void ScreenFrame::giveKeyboardTo(Screen& page) {
    // The page itself when it takes keys (the card table, the double-up),
    // else its first control that does (the options' name box); a page
    // without one leaves the keyboard to the frame, where keys do nothing.
    QWidget* target = nullptr;
    if (page.focusPolicy() & Qt::TabFocus) {
        target = &page;
    } else {
        for (QWidget* next = page.nextInFocusChain(); page.isAncestorOf(next);
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() &&
                next->isVisibleTo(&page)) {
                target = next;
                break;
            }
        }
    }
    if (target)
        target->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void ScreenFrame::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Moved to a screen of another scale, the window keeps its size in the
    // screen's pixels (Qt 6.4) and so shows a part of its content; it is
    // given back its own size once Qt has taken in the new scale.
    if (QWindow* window = windowHandle(); window && !watchingScreen_) {
        watchingScreen_ = true;
        connect(window, &QWindow::screenChanged, this, &ScreenFrame::keepClientSize,
                Qt::QueuedConnection);
    }
}

void ScreenFrame::keepClientSize() {
    const QSize client(clientWidth, clientHeight);
    if (size() != client)
        resize(client);
}

void ScreenFrame::closeEvent(QCloseEvent* event) {
    // Screens are only ever left through their own controls; the close box
    // ends the program the way "izlaz" does, so the window is never left
    // with nothing to show.
    event->ignore();
    closeRequested_();
}
