#include "common/screen.h"

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

Screen::Screen(ScreenSwitcher& switcher, ScreenId id)
    : QWidget(&switcher.frame()), switcher_(switcher), frame_(switcher.frame()), id_(id) {
    setObjectName(QString::fromLatin1(screenName(id)));
    setGeometry(0, 0, ScreenFrame::clientWidth, ScreenFrame::clientHeight);
    // A page is shown only through Show.
    hide();
    setMouseTracking(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    setScreenIcon(QStringLiteral(":/icons/screen.ico"));
}

QPoint Screen::position() const {
    if (isCurrent() || !place_)
        return frame_.outerPosition() * twipsPerPixel;
    return *place_;
}

void Screen::Move(int left, int top) {
    place_ = QPoint(left, top);
    if (isCurrent())
        frame_.moveOuterTo({toPixels(left), toPixels(top)});
}

void Screen::Show() {
    // The screen that leaves keeps the place the window has now.
    if (Screen* leaving = frame_.currentPage(); leaving && leaving != this)
        leaving->place_ = leaving->position();
    if (place_ && !isCurrent())
        frame_.moveOuterTo({toPixels(place_->x()), toPixels(place_->y())});
    frame_.showPage(*this, icon_);
    Form_Activate();
}

void Screen::Hide() {
    if (isCurrent())
        place_ = position();
    hide();
    frame_.pageHidden(*this);
    // A hidden screen gives back its decoded background: decoding the
    // picture again on the next showing takes a millisecond or two.
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
    icon_ = *it;
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

QPixmap loadBuiltInPicture(const QString& resourcePath) {
    // QPixmap(path) would keep a second reference in QPixmapCache, holding
    // the picture after its owner let it go.
    return QPixmap::fromImage(QImage(resourcePath));
}
