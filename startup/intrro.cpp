#include "startup/intrro.h"

Intrro::Intrro(ScreenSwitcher& switcher) : Screen(switcher, ScreenId::Intro) {}

void Intrro::Form_Load() {}
