#pragma once
// The start-up screen: on black, the studio name "Zorvak" with "STUDIO" under
// it fades in to white and out to black again, and then the main menu opens
// in the intro's place and the intro closes. It takes no input.

#include "common/screen.h"
#include "common/screentimer.h"
#include "startup/introfade.h"

class Label;

class Intrro : public Screen {
    Q_OBJECT
public:
    explicit Intrro(ScreenSwitcher& switcher);

    // Centres the window on the desktop, turns both texts black and starts the fade.
    void Form_Load() override;

    // One fade step; returns whether more steps are wanted.
    bool Timer1_Timer();

    const IntroFade& fade() const { return fade_; }
    RepeatingTimer& fadeTimer() { return fadeTimer_; }

private:
    void centre();
    void keepCentredUntilFramed();
    void showFade();

    IntroFade fade_;
    // Whether the intro was centred knowing its frame.
    bool centredWithFrame_ = false;
    Label* logo_ = nullptr;
    Label* studioCaption_ = nullptr;
    RepeatingTimer fadeTimer_;
};
