#pragma once
// A switcher for screen tests: it writes down what a screen asks of the
// program, in order, so a test can check what was asked, with what, and
// whether the asking screen was still showing at that moment. Of the switch
// itself it does only the last step, hiding or unloading the screen that
// asked; no other screen is made.

#include "common/screenframe.h"
#include "common/switcher.h"

#include <QList>
#include <QPoint>
#include <QStringList>
#include <cstdint>
#include <vector>

class RecordingSwitcher final : public ScreenSwitcher {
public:
    struct Switch {
        ScreenId target;
        const Screen* positionFrom; // the screen whose place the target takes, if any
    };
    struct Return {
        Amount credit;
        QPoint position;
    };

    ScreenFrame& frame() override { return frame_; }
    void switchTo(Screen& from, ScreenId target, Placing placing, Leaving leaving) override;
    void openDoubleUp(Screen& table, DoubleUpEntry entry) override;
    void returnToCardTable(Screen& doubleUp, Purse credit) override;
    void endProgram() override;
    void closeRequested() override;

    // "Intro", "MainMenu", "CardTable", "DoubleUp", "Options", "Controls".
    static QString nameOf(ScreenId screen);

    // The screen whose visibility is noted at every call; none by default.
    const Screen* caller = nullptr;

    // Whether the screen that asks is hidden or unloaded, as the program
    // would do; a test that looks at a screen past its own end turns it off.
    bool leaves = true;

    // Every call in order: "switchTo MainMenu", "openDoubleUp",
    // "returnToCardTable", "endProgram", "closeRequested", and "unload
    // CardTable" when a screen that asked is unloaded.
    QStringList calls;
    // For each call, whether `caller` was visible then (false without one).
    QList<bool> callerVisible;

    // The calls' details, each kind in its own order.
    std::vector<Switch> switches;
    std::vector<ScreenId> unloads;
    std::vector<DoubleUpEntry> doubleUps;
    std::vector<Return> returns;
    int ends = 0;
    int closeRequests = 0;

private:
    // The screens made with this switcher are its pages.
    ScreenFrame frame_{[this] { closeRequested(); }};

    void record(const QString& call);
    void leave(Screen& from, Leaving leaving);
};
