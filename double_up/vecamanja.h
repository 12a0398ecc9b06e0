#pragma once
#include "common/screen.h"

class SveSlike;
class RandomSource;

class VecaManja : public Screen {
    Q_OBJECT
public:
    VecaManja(ScreenSwitcher& switcher, SveSlike& bank, RandomSource& random);
    void Form_Load(const DoubleUpEntry& entry);

private:
    SveSlike& bank_;
    RandomSource& random_;
};
