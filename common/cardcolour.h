#pragma once
// The four card colours, in the order of their draw codes 1 to 4.

#include <array>
#include <cstddef>
#include <optional>

enum class CardColour { Red = 1, Blue = 2, Yellow = 3, Green = 4 };

inline constexpr std::array<CardColour, 4> allCardColours{CardColour::Red, CardColour::Blue,
                                                          CardColour::Yellow, CardColour::Green};

// A draw code 1..4 to its colour; anything else has no colour.
std::optional<CardColour> colourFromDrawCode(int code);

// 0..3, for arrays with one entry per colour, in draw-code order.
constexpr std::size_t colourIndex(CardColour colour) {
    return static_cast<std::size_t>(colour) - 1;
}
