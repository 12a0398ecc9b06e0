#pragma once
// The program's composition root: owns the window, the six screens that are
// its pages and the image bank, creates each screen on its first touch
// (running its load there), and carries out every switch between screens.

#include "common/imagebank.h"
#include "common/screenframe.h"
#include "common/switcher.h"

#include <array>
#include <functional>
#include <memory>

class RandomSource;
class Intrro;
class glavniMeni;
class KarteIgra;
class VecaManja;

class ScreenSet final : public ScreenSwitcher {
public:
    // onEnd is what ending the program means; by default the event loop quits.
    explicit ScreenSet(RandomSource& random, std::function<void()> onEnd = {});
    ~ScreenSet() override;
    ScreenSet(const ScreenSet&) = delete;
    ScreenSet& operator=(const ScreenSet&) = delete;

    // Creates the intro, runs its load and shows it.
    void start();

    // The screen if it exists now, else nullptr.
    Screen* existing(ScreenId id) const;

    Intrro* intro() const;
    glavniMeni* mainMenu() const;
    KarteIgra* cardTable() const;
    VecaManja* doubleUp() const;

    SveSlike& bank() { return bank_; }
    ScreenFrame& frame() override { return frame_; }
    const ScreenFrame& frame() const { return frame_; }

    void switchTo(Screen& from, ScreenId target, Placing placing, Leaving leaving) override;
    void openDoubleUp(Screen& table, DoubleUpEntry entry) override;
    void returnToCardTable(Screen& doubleUp, Purse credit) override;
    void endProgram() override;
    void closeRequested() override;

private:
    std::unique_ptr<Screen>& slot(ScreenId id);
    // The screen, created and loaded if it does not exist yet. The double-up
    // is made only by openDoubleUp, from the card table's win: touched
    // before that, it gives nullptr.
    Screen* touch(ScreenId id);
    std::unique_ptr<Screen> create(ScreenId id);
    // Loads a new screen and only then makes it one of the set.
    Screen& install(std::unique_ptr<Screen> screen);
    void unload(ScreenId id);

    RandomSource& random_;
    std::function<void()> onEnd_;
    SveSlike bank_;
    // Before the screens: they are its children and go first.
    ScreenFrame frame_{[this] { closeRequested(); }};
    std::array<std::unique_ptr<Screen>, allScreens.size()> screens_;
};
