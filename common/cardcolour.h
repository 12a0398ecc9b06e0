#pragma once
// The four card colours, in the order of their draw codes 1 to 4.

#include <array>
#include <cstdint>
#include <optional>

enum class CardColour { Red = 1, Blue = 2, Yellow = 3, Green = 4 };

inline constexpr std::array<CardColour, 4> allCardColours{CardColour::Red, CardColour::Blue,
                                                          CardColour::Yellow, CardColour::Green};

// A draw code 1..4 to its colour; anything else has no colour.
std::optional<CardColour> colourFromDrawCode(int code);

// The colour value of a card colour (red + 256 green + 65536 blue).
std::uint32_t colourValue(CardColour colour);
