#include "startup/intrro.h"

#include "common/durations.h"
#include "common/fonts.h"
#include "common/label.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

Intrro::Intrro(ScreenSwitcher& switcher)
    : Screen(switcher, ScreenId::Intro),
      fadeTimer_(*this, "Timer1", durations::introFadeTick, [this] { return Timer1_Timer(); }) {
    setScreenIcon(QStringLiteral(":/icons/tombel.ico"));
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    logo_ = new Label(this, "logo", {3570, 2520, 1275, 330}, QStringLiteral("Zorvak"),
                      fonts::sized(14.25, true), centred);
    studioCaption_ = new Label(this, "Usluge", {3570, 2835, 1275, 435}, QStringLiteral("STUDIO"),
                               fonts::sized(15.75, true), centred);
    // The fade recolours both every tick.
    logo_->setColourAnimated();
    studioCaption_->setColourAnimated();
}

void Intrro::Form_Load() {
    centre();
    fade_.load();
    showFade();
    fadeTimer_.wake();
}

void Intrro::centre() {
    const QScreen* desktop = QGuiApplication::primaryScreen();
    if (!desktop)
        return;
    // The outer window is centred. Before the window manager has framed the
    // intro its frame is not known; the fade's first ticks centre it again
    // once it is (keepCentredUntilFramed).
    const QMargins decoration = frame().decoration();
    const QRect area = desktop->geometry();
    const double width =
        (ScreenFrame::clientWidth + decoration.left() + decoration.right()) * twipsPerPixel;
    const double height =
        (ScreenFrame::clientHeight + decoration.top() + decoration.bottom()) * twipsPerPixel;
    const double left = area.x() * twipsPerPixel + area.width() * twipsPerPixel / 2.0 - width / 2.0;
    const double top =
        area.y() * twipsPerPixel + area.height() * twipsPerPixel / 2.0 - height / 2.0;
    Move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
    centredWithFrame_ = !decoration.isNull();
}

void Intrro::keepCentredUntilFramed() {
    // The window cannot have been dragged before it had a frame to drag by.
    if (!centredWithFrame_ && isVisible() && !frame().decoration().isNull())
        centre();
}

void Intrro::showFade() {
    logo_->setForeColour(fade_.logoColour());
    studioCaption_->setForeColour(fade_.studioCaptionColour());
}

bool Intrro::Timer1_Timer() {
    if (fade_.phase() == IntroFade::Phase::Ended)
        return false;
    keepCentredUntilFramed();
    const bool ended = fade_.tick();
    showFade();
    if (!ended)
        return true;
    switcher().switchTo(*this, ScreenId::MainMenu, Placing::AtCaller, Leaving::Unload);
    return false;
}
