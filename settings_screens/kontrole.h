#pragma once
#include "common/screen.h"

class Kontrole : public Screen {
    Q_OBJECT
public:
    explicit Kontrole(ScreenSwitcher& switcher);
};
