#pragma once
#include "common/screen.h"

class SveSlike;

class glavniMeni : public Screen {
    Q_OBJECT
public:
    glavniMeni(ScreenSwitcher& switcher, SveSlike& bank);
    // Writes the menu's settings copies to config.not.
    void writeSettingsCopies();

private:
    SveSlike& bank_;
};
