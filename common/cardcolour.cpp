#include "common/cardcolour.h"

std::optional<CardColour> colourFromDrawCode(int code) {
    if (code < 1 || code > 4)
        return std::nullopt;
    return static_cast<CardColour>(code);
}
