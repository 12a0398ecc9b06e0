#include "common/cardcolour.h"

#include "common/runtime.h"

std::optional<CardColour> colourFromDrawCode(int code) {
    if (code < 1 || code > 4)
        return std::nullopt;
    return static_cast<CardColour>(code);
}

std::uint32_t colourValue(CardColour colour) {
    // Full parts are composed as 256 and clamped, as the old colour rule did.
    switch (colour) {
    case CardColour::Red:
        return runtime::rgb(256, 0, 0);
    case CardColour::Blue:
        return runtime::rgb(0, 0, 256);
    case CardColour::Yellow:
        return runtime::rgb(256, 256, 0);
    case CardColour::Green:
        return runtime::rgb(0, 256, 0);
    }
    return 0;
}
