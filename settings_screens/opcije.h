#pragma once
// The options screen: the player's name, the starting-credit level and the
// card theme. Every showing reads config.not into the screen's own copies and
// marks the level and theme it recognises; a choice changes only those copies
// and its marks, and "unazad" writes all four fields back and returns to the
// main menu. The hold-marker caption passes through untouched.

#include "common/settingsfile.h"
#include "settings_screens/settingsscreen.h"

#include <QString>
#include <array>

class Label;
class QLineEdit;

class Opcije : public SettingsScreen {
    Q_OBJECT
public:
    explicit Opcije(ScreenSwitcher& switcher);

    // What typing into the name box may reach.
    static constexpr int nameLimit = 20;

protected:
    void Form_Activate() override;

private:
    void ulog2000_Click() { chooseLevel(1); }
    void ulog5000_Click() { chooseLevel(2); }
    void ulog10000_Click() { chooseLevel(3); }
    void Tema01_Click() { chooseTheme(1); }
    void Tema02_Click() { chooseTheme(2); }
    void Tema03_Click() { chooseTheme(3); }
    void Tema04_Click() { chooseTheme(4); }
    void Tema06_Click() { chooseTheme(6); }
    void SnimiOpcije_Click();

    void chooseLevel(int level);
    void chooseTheme(int theme);
    // Bold label and visible marker for the one choice, plain and hidden for the rest.
    void markLevel(int level);
    void markTheme(int theme);

    void showName(const QString& name);
    void Load001_Edited();

    // The screen's copy of config.not, the name as it was read; the player
    // edits the name in the name box.
    Settings settings_;
    QLineEdit* nameBox_ = nullptr;
    // The name as the box showed it when it was read.
    QString shownName_;

    std::array<Label*, 3> levelLabels_{};
    std::array<Label*, 3> levelMarkers_{};
    std::array<Label*, 6> themeLabels_{};
    std::array<Label*, 6> themeMarkers_{};
};
