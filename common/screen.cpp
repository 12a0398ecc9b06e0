#include "common/screen.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPainter>

#ifdef __GLIBC__
#include <malloc.h>
#endif

QRect Screen::toPixels(QRect twips) {
    return {toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()),
            toPixels(twips.height())};
}

namespace {
const char* screenName(ScreenId id) {
    switch (id) {
    case ScreenId::Intro:
        return "Intrro";
    case ScreenId::MainMenu:
        return "glavniMeni";
    case ScreenId::CardTable:
        return "KarteIgra";
    case ScreenId::DoubleUp:
        return "VecaManja";
    case ScreenId::Options:
        return "Opcije";
    case ScreenId::Controls:
        break;
    }
    return "Kontrole";
}
} // namespace

Screen::Screen(ScreenSwitcher& switcher, ScreenId id) : switcher_(switcher), id_(id) {
    // Every window is titled "Tombel"; the name tells them apart for tools
    // and for the window system's session handling.
    setObjectName(QString::fromLatin1(screenName(id)));
    setWindowRole(objectName());
    // No minimise or maximise button is asked for. Some window managers
    // (openbox) draw both anyway; a dialog or tool window type would not
    // change that there and would cost the taskbar entry.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tombel"));
    setFixedSize(clientWidth, clientHeight);
    setMouseTracking(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    setScreenIcon(QStringLiteral(":/icons/screen.ico"));
}

int Screen::Left() const {
    return frameGeometry().x() * twipsPerPixel;
}
int Screen::Top() const {
    return frameGeometry().y() * twipsPerPixel;
}
int Screen::Width() const {
    return frameGeometry().width() * twipsPerPixel;
}
int Screen::Height() const {
    return frameGeometry().height() * twipsPerPixel;
}

namespace {
QMargins frameMarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}
} // namespace

QMargins Screen::desktopFrame() const {
    // Qt knows a window's frame only while it is shown; a hidden screen
    // borrows it from the one on show, as all screens share one frame.
    if (isVisible())
        return frameMarginsOf(*this);
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<const Screen*>(window))
            return frameMarginsOf(*window);
    return {};
}

void Screen::Move(int left, int top) {
    const QPoint place(toPixels(left), toPixels(top));
    const QMargins frame = desktopFrame();
    if (frame.isNull() && !testAttribute(Qt::WA_WState_Created)) {
        // No frame known yet and no window made: the platform is told that
        // this is the frame's place and keeps it so once the frame exists.
        move(place);
        return;
    }
    // Otherwise the client area is placed inside the known frame.
    // QWidget::move() counts a frame only while the window is shown, so a
    // hidden screen moved with it would land a title bar too high.
    setGeometry(QRect(place + QPoint(frame.left(), frame.top()), size()));
}

void Screen::Show() {
    show();
    raise();
    activateWindow();
    Form_Activate();
}

void Screen::Hide() {
    hide();
    // A hidden screen gives back its window buffer and its decoded
    // background: the next showing paints the whole screen anew in any case,
    // and decoding the picture again takes a millisecond or two.
    if (QBackingStore* store = backingStore())
        store->resize(QSize(1, 1));
    background_ = QPixmap();
#ifdef __GLIBC__
    // Large blocks freed inside the heap stay counted against the program
    // until the heap is trimmed.
    malloc_trim(0);
#endif
}

void Screen::Unload() {
    Hide();
    emit unloading();
}

void Screen::setBackgroundPicture(const QString& resourcePath) {
    backgroundPath_ = resourcePath;
    background_ = QPixmap();
    update();
}

void Screen::setScreenIcon(const QString& resourcePath) {
    // Kept for the program's life: icons and pixmaps must not outlive the
    // application object in static destructors.
    static auto* icons = new QHash<QString, QIcon>;
    auto it = icons->find(resourcePath);
    if (it == icons->end())
        it = icons->insert(resourcePath, QIcon(resourcePath));
    setWindowIcon(*it);
}

void Screen::addLine(int x1, int y1, int x2, int y2) {
    lines_.emplace_back(toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2));
}

void Screen::paintEvent(QPaintEvent*) {
    if (background_.isNull() && !backgroundPath_.isEmpty())
        background_ = loadBuiltInPicture(backgroundPath_);
    QPainter painter(this);
    if (!background_.isNull())
        painter.drawPixmap(0, 0, background_);
    painter.setPen(Qt::white);
    for (const QLine& line : lines_)
        painter.drawLine(line);
}

void Screen::closeEvent(QCloseEvent* event) {
    // Screens are only ever left through their own controls; a close from the
    // window frame ends the program the way "izlaz" does, so no screen is
    // ever left hidden with nothing shown.
    event->ignore();
    switcher_.closeRequested();
}

QPixmap loadBuiltInPicture(const QString& resourcePath) {
    // QPixmap(path) would keep a second reference in QPixmapCache, holding
    // the picture after its owner let it go.
    return QPixmap::fromImage(QImage(resourcePath));
}
