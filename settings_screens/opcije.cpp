#include "settings_screens/opcije.h"

Opcije::Opcije(ScreenSwitcher& switcher) : Screen(switcher, ScreenId::Options) {}
