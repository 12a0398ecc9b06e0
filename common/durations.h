#pragma once
// Every timer interval of the program, in milliseconds.

namespace durations {
inline constexpr int introFadeTick = 20;
inline constexpr int menuFlashTick = 20;
inline constexpr int cardDrawTick = 50;
inline constexpr int cardPaintTick = 10;
inline constexpr int tableMeterTick = 50;
inline constexpr int doubleUpDisplayTick = 10;
inline constexpr int doubleUpPause = 500;
} // namespace durations
