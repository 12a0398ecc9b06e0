#include "card_table/karteigra.h"

KarteIgra::KarteIgra(ScreenSwitcher& switcher, SveSlike& bank, RandomSource& random)
    : Screen(switcher, ScreenId::CardTable), bank_(bank), random_(random) {}

void KarteIgra::Form_Load() {}

void KarteIgra::setCredit(std::int64_t) {}
