#pragma once
// Money: the credit, the stake, a hand's win and the double-up's stake are
// whole amounts from 0 to money::maxAmount. Shown with runtime::moneyFormat.
//
// The rule every move of money keeps: no operation creates or loses money.
// An amount leaves one holder only to arrive whole at another (move()), and
// the game's own rules change the total by exactly what they say (a stake
// taken, a bonus or win paid, a guess won or lost). A move whose result would
// not fit is refused as a whole: every amount stays where it was. Nothing is
// capped, rounded or wrapped to make it fit.

#include <cstdint>
#include <limits>
#include <optional>

using Amount = std::int64_t;

namespace money {

// Far above the 2,147,483,647 the game was designed for: the double-up
// brings back credits past that, and they stay playable.
inline constexpr Amount maxAmount = std::numeric_limits<Amount>::max();

// a + b, or nothing when the sum would pass maxAmount. A negative operand is
// no amount and gives nothing.
constexpr std::optional<Amount> sum(Amount a, Amount b) {
    if (a < 0 || b < 0 || b > maxAmount - a)
        return std::nullopt;
    return a + b;
}

// amount × factor, or nothing when the product would pass maxAmount.
constexpr std::optional<Amount> product(Amount amount, Amount factor) {
    if (amount < 0 || factor < 0 || (factor != 0 && amount > maxAmount / factor))
        return std::nullopt;
    return amount * factor;
}

// Moves amount from one holder to another, whole or not at all: refused when
// the giver holds less or the receiver could not hold the sum.
constexpr bool move(Amount& from, Amount& to, Amount amount) {
    if (amount < 0 || amount > from)
        return false;
    const std::optional<Amount> received = sum(to, amount);
    if (!received)
        return false;
    from -= amount;
    to = *received;
    return true;
}

} // namespace money
