#pragma once
// VecaManja, the double-up screen: the card table's pending win gambled
// higher or lower with Page Up and Page Down, cashed in half with Delete or
// whole with End, and carried back into the card table's credit with Enter.
// The gamble's rules live in DoubleUp; this screen turns keys and ticks into
// its calls and draws the result.

#include "common/imagebank.h"
#include "common/screen.h"
#include "common/screentimer.h"
#include "double_up/doubleup.h"

class Label;
class QLabel;
class RandomSource;

class VecaManja : public Screen {
    Q_OBJECT
public:
    // A visit exists only for the card table's win that it carries.
    VecaManja(ScreenSwitcher& switcher, SveSlike& bank, RandomSource& random, DoubleUpEntry entry);

    // Takes the card table's position, win, credit and player name, and
    // draws the first outcome.
    void Form_Load() override;

    // A key press. Every press counts, key repeat included.
    void Form_KeyDown(Qt::Key key);

    // The display tick: the red X when nothing is at stake, and the three
    // amounts. Every change wakes it.
    void Timer1_Timer();

    // The end of the pause after a right guess.
    void Vracanje_Upitnika_Timer();

    // The picture on show, as the image bank names it.
    SveSlike::Picture shownPicture() const { return shownPicture_; }
    SingleShotTimer& displayTimer() { return displayTimer_; }
    SingleShotTimer& pauseTimer() { return pauseTimer_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCard();
    void guess(DoubleUp::Guess guess);

    SveSlike& bank_;
    DoubleUpEntry entry_;
    DoubleUp game_;
    SingleShotTimer displayTimer_;
    SingleShotTimer pauseTimer_;
    SveSlike::Picture shownPicture_ = SveSlike::Picture::VecaManja;

    Label* playerLabel_ = nullptr;
    Label* rightGuessesLabel_ = nullptr;
    Label* totalGainedDisplay_ = nullptr;
    Label* stakeDisplay_ = nullptr;
    Label* creditDisplay_ = nullptr;
    Label* outcomeLabel_ = nullptr;
    QLabel* cardPicture_ = nullptr;
};
