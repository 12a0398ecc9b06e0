#pragma once
#include "common/screen.h"

class Intrro : public Screen {
    Q_OBJECT
public:
    explicit Intrro(ScreenSwitcher& switcher);
    void Form_Load();
};
