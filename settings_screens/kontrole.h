#pragma once
// The controls screen: a fixed page of key help for the card table and the
// double-up screen. It passes config.not through: every showing reads the four
// fields into hidden copies, and "unazad" writes them back unchanged and
// returns to the main menu.

#include "common/settingsfile.h"
#include "settings_screens/settingsscreen.h"

class Kontrole : public SettingsScreen {
    Q_OBJECT
public:
    explicit Kontrole(ScreenSwitcher& switcher);

protected:
    void Form_Activate() override;

private:
    void SnimiOpcije_Click();

    // The screen's copy of config.not; nothing on this screen shows or changes it.
    Settings settings_;
};
