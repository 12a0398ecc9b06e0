#include "settings_screens/kontrole.h"

Kontrole::Kontrole(ScreenSwitcher& switcher) : Screen(switcher, ScreenId::Controls) {}
