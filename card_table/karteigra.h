#pragma once
#include "common/screen.h"

#include <cstdint>

class SveSlike;
class RandomSource;

class KarteIgra : public Screen {
    Q_OBJECT
public:
    KarteIgra(ScreenSwitcher& switcher, SveSlike& bank, RandomSource& random);
    void Form_Load();
    // The double-up screen hands the credit back through this.
    void setCredit(std::int64_t credit);

private:
    SveSlike& bank_;
    RandomSource& random_;
};
