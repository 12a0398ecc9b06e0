#pragma once
// The flashing of the main menu's hovered item. The phase belongs to the menu,
// not to an item: an item that becomes hovered goes on from where the cycle
// stood, and only a reset (every showing of the menu) sets it back. One cycle
// is ten ticks: black, then nine steps brightening by 25, green and blue
// always 25 above red.

#include <cstdint>
#include <optional>

// The items as the menu numbers them; no item has the number 5.
enum class MenuItem { None = 0, NewGame = 1, Options = 2, Controls = 3, Exit = 4, Credits = 6 };

class MenuFlash {
public:
    // RGB(250, 250, 250): every item's colour while it is not flashing.
    static constexpr std::uint32_t restingColour = 250u + 250u * 256u + 250u * 65536u;
    // The colours one cycle shows.
    static constexpr int coloursInCycle = 10;

    // The state every showing of the menu starts from: nothing hovered, and
    // the phase one tick before black.
    void reset();

    void hover(MenuItem item) { hovered_ = item; }
    MenuItem hoveredItem() const { return hovered_; }

    // One tick: the colour the hovered item takes now, or nothing when no
    // item is hovered (the phase then stands still).
    std::optional<std::uint32_t> tick();

    int flashRed() const { return flashRed_; }
    int flashGreen() const { return flashGreen_; }
    int flashBlue() const { return flashBlue_; }

private:
    std::int16_t flashRed_ = 225;
    std::int16_t flashBlue_ = 225;
    std::int16_t flashGreen_ = 225;
    MenuItem hovered_ = MenuItem::None;
};
