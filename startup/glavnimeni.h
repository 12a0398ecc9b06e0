#pragma once
// The main menu: the hub every other screen is reached from. Its items are
// text labels that flash while the pointer rests on them, with a line of
// explanation beside them; a click opens the card table, the options or the
// controls screen, or saves the settings and ends the program. Every showing
// resets the items, reloads config.not into the menu's copies and fills the
// image bank with the chosen theme.

#include "common/screen.h"
#include "common/screentimer.h"
#include "common/settingsfile.h"
#include "startup/menuflash.h"

#include <QString>
#include <array>

class Label;
class SveSlike;

class glavniMeni : public Screen {
    Q_OBJECT
public:
    glavniMeni(ScreenSwitcher& switcher, SveSlike& bank);

    // Writes the menu's settings copies to config.not, as "opcije" and
    // "izlaz" do. A failure is reported on standard error and returned; the
    // clicks also tell the player.
    bool writeSettingsCopies();

    // "izlaz": saves the copies and ends the program, after telling the
    // player when the save failed.
    void saveAndEnd();

    // The copies of config.not taken at the last showing.
    const Settings& settingsCopies() const { return settings_; }

    // One flash tick; returns whether an item is flashing, i.e. whether more
    // ticks are wanted.
    bool Timer1_Timer();

    const MenuFlash& flash() const { return flash_; }
    RepeatingTimer& flashTimer() { return flashTimer_; }

protected:
    void Form_Activate() override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Item {
        MenuItem value;
        Label* label;
        QString statusText;
    };

    void Form_MouseMove();
    void menuNovaigra_MouseMove() { pointerOverItem(MenuItem::NewGame); }
    void menuOpcije_MouseMove() { pointerOverItem(MenuItem::Options); }
    void menuKontrole_MouseMove() { pointerOverItem(MenuItem::Controls); }
    void menuIzlaz_MouseMove() { pointerOverItem(MenuItem::Exit); }
    void Otombelu_MouseMove() { pointerOverItem(MenuItem::Credits); }
    void menuNovaigra_Click();
    void menuOpcije_Click();
    void menuKontrole_Click();
    void menuIzlaz_Click();

    void pointerOverItem(MenuItem value);
    Label* itemLabel(MenuItem value) const;

    SveSlike& bank_;
    MenuFlash flash_;

    Label* statusLabel_ = nullptr;
    std::array<Item, 5> items_;
    RepeatingTimer flashTimer_;

    // The menu's own copy of config.not, taken at every showing.
    Settings settings_;
};
