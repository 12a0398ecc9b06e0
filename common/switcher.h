#pragma once
// The one place through which a screen asks for another. Screens know only
// this interface; the program's composition root knows every screen.
//
// Every screen goes through the same steps: it is created on its first touch
// and loaded there (Form_Load), before anything else sees it; it is shown
// (Show, which runs its activation) and hidden (Hide) as often as the switches
// say; and the screens that start afresh on every visit are unloaded
// (Unload), after which their next touch creates them anew. A screen leaves
// in one call: the switcher shows the next screen and only then hides or
// unloads the one that asked.

#include "common/money.h"

#include <QPoint>
#include <QString>
#include <array>

class Screen;
class ScreenFrame;

enum class ScreenId { Intro, MainMenu, CardTable, DoubleUp, Options, Controls };

inline constexpr std::array allScreens{ScreenId::Intro,    ScreenId::MainMenu, ScreenId::CardTable,
                                       ScreenId::DoubleUp, ScreenId::Options,  ScreenId::Controls};

// What the double-up screen takes from the card table when it opens: the
// win and the credit themselves, which the table no longer holds.
struct DoubleUpEntry {
    Purse win;
    Purse credit;
    QString playerName;
    QPoint position; // the card table's Left and Top, in twips
};

// Where the screen switched to stands: at the place of the screen that
// leaves, so the window stays where it is, or where the target stood when it
// was last shown, so the window goes back there.
enum class Placing { AtCaller, Kept };

// What becomes of the screen that leaves: hidden, keeping all its values, or
// unloaded, so that nothing of this visit reaches the next.
enum class Leaving { Hide, Unload };

class ScreenSwitcher {
public:
    virtual ~ScreenSwitcher() = default;

    // The one window every screen is a page of.
    virtual ScreenFrame& frame() = 0;

    // Leaves `from` for `target`: the target is created and loaded on its
    // first touch, placed as asked and shown; then `from` hides or unloads.
    // Safe to call from inside one of `from`'s own handlers.
    virtual void switchTo(Screen& from, ScreenId target, Placing placing, Leaving leaving) = 0;

    // The card table's hand-over: a double-up screen is created afresh and
    // loaded with the entry (its place included), shown, and then the card
    // table hides.
    virtual void openDoubleUp(Screen& table, DoubleUpEntry entry) = 0;

    // The double-up's return: the credit goes back into the card table, which
    // is shown at the double-up's place; then the double-up unloads.
    virtual void returnToCardTable(Screen& doubleUp, Purse credit) = 0;

    // Ends the program at once.
    virtual void endProgram() = 0;

    // A close request from a window frame: ends the program as "izlaz" does.
    virtual void closeRequested() = 0;
};
