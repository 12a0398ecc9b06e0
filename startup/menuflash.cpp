#include "startup/menuflash.h"

#include "common/runtime.h"

void MenuFlash::reset() {
    flashRed_ = 225;
    flashBlue_ = 225;
    flashGreen_ = 225;
    hovered_ = MenuItem::None;
}

std::optional<std::uint32_t> MenuFlash::tick() {
    switch (hovered_) {
    case MenuItem::NewGame:
    case MenuItem::Options:
    case MenuItem::Controls:
    case MenuItem::Exit:
    case MenuItem::Credits:
        break;
    default:
        return std::nullopt;
    }
    flashRed_ = static_cast<std::int16_t>(flashRed_ + 25);
    flashBlue_ = static_cast<std::int16_t>(flashRed_ + 25);
    flashGreen_ = flashBlue_;
    if (flashRed_ == 250) {
        // The step past the brightest shade is a black tick that starts the
        // cycle again.
        flashRed_ = 0;
        return runtime::rgb(0, 0, 0);
    }
    return runtime::rgb(flashRed_, flashGreen_, flashBlue_);
}
