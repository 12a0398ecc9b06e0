#pragma once
// The program's composition root: owns the six screens and the image bank,
// creates each screen on its first touch (running its load there), and
// carries out every switch between screens.

#include "common/imagebank.h"
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

    // The screen if it exists now, else nullptr; touching creates it.
    Screen* existing(ScreenId id) const;
    Screen& touch(ScreenId id);

    Intrro* intro() const;
    glavniMeni* mainMenu() const;
    KarteIgra* cardTable() const;
    VecaManja* doubleUp() const;

    SveSlike& bank() { return bank_; }

    void switchTo(ScreenId target, const Screen* positionFrom) override;
    void unload(ScreenId screen) override;
    void openDoubleUp(const DoubleUpEntry& entry) override;
    void returnToCardTable(std::int64_t credit, QPoint position) override;
    void endProgram() override;
    void closeRequested() override;

private:
    std::unique_ptr<Screen>& slot(ScreenId id);

    RandomSource& random_;
    std::function<void()> onEnd_;
    SveSlike bank_;
    std::array<std::unique_ptr<Screen>, 6> screens_;
};
