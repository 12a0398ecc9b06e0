#pragma once
// The one place through which a screen asks for another. Screens know only
// this interface; the program's composition root knows every screen.

#include <QPoint>
#include <QString>
#include <cstdint>

class Screen;

enum class ScreenId { Intro, MainMenu, CardTable, DoubleUp, Options, Controls };

// What the double-up screen takes from the card table when it opens.
struct DoubleUpEntry {
    std::int64_t win = 0;
    std::int64_t credit = 0;
    QString playerName;
    QPoint position; // the card table's Left and Top, in twips
};

class ScreenSwitcher {
public:
    virtual ~ScreenSwitcher() = default;

    // Creates the target on first touch (running its load), gives it the
    // position of `positionFrom` when one is given, and shows it (running
    // its activation). The caller then hides or unloads itself.
    virtual void switchTo(ScreenId target, const Screen* positionFrom) = 0;

    // Closes a screen for good; its next touch creates it afresh. Safe to call
    // from inside one of the screen's own handlers.
    virtual void unload(ScreenId screen) = 0;

    // Creates the double-up screen afresh with the card table's win and shows it.
    virtual void openDoubleUp(const DoubleUpEntry& entry) = 0;

    // Writes the credit back into the card table, places it and shows it.
    virtual void returnToCardTable(std::int64_t credit, QPoint position) = 0;

    // Ends the program at once.
    virtual void endProgram() = 0;

    // A close request from a window frame: ends the program as "izlaz" does.
    virtual void closeRequested() = 0;
};
