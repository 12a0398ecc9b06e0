#include "double_up/vecamanja.h"

VecaManja::VecaManja(ScreenSwitcher& switcher, SveSlike& bank, RandomSource& random)
    : Screen(switcher, ScreenId::DoubleUp), bank_(bank), random_(random) {}

void VecaManja::Form_Load(const DoubleUpEntry& entry) { Move(entry.position); }
