#include "startup/introfade.h"

#include "common/runtime.h"

void IntroFade::load() {
    logoColour_ = runtime::rgb(0, 0, 0);
    studioCaptionColour_ = runtime::rgb(0, 0, 0);
    level_ = 0;
    phase_ = Phase::Brightening;
}

bool IntroFade::tick() {
    if (phase_ == Phase::Ended)
        return false;
    // "STUDIO" takes the colour the studio name had before this step.
    studioCaptionColour_ = logoColour_;
    if (phase_ == Phase::Brightening) {
        level_ = static_cast<std::int16_t>(level_ + 2);
        logoColour_ = runtime::rgb(level_, level_, level_);
        if (level_ == 256)
            phase_ = Phase::Darkening;
        return false;
    }
    level_ = static_cast<std::int16_t>(level_ - 2);
    logoColour_ = runtime::rgb(level_, level_, level_);
    if (level_ != 0)
        return false;
    phase_ = Phase::Ended;
    return true;
}
