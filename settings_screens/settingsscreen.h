#pragma once
// What the options and controls screens share: they meet the rest of the
// program only through config.not, and both are left by "unazad", which
// writes all four fields and shows the main menu where it stood.

#include "common/screen.h"

class Label;
struct Settings;

class SettingsScreen : public Screen {
    Q_OBJECT
public:
    using Screen::Screen;

protected:
    // The boxed "unazad" button under the panel.
    Label* addBackButton();
    // Writes the settings, shows the main menu without moving it and hides
    // this screen: the way back stays open whatever the file does. A failed
    // write is reported on standard error and to the player.
    void saveAndReturn(const Settings& settings);
};
