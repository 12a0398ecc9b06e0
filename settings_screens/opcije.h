#pragma once
#include "common/screen.h"

class Opcije : public Screen {
    Q_OBJECT
public:
    explicit Opcije(ScreenSwitcher& switcher);
};
