#include "startup/glavnimeni.h"

glavniMeni::glavniMeni(ScreenSwitcher& switcher, SveSlike& bank)
    : Screen(switcher, ScreenId::MainMenu), bank_(bank) {}

void glavniMeni::writeSettingsCopies() {}
