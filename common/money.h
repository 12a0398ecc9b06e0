#pragma once
// Money: the credit, a hand's pending win and the double-up's stake are
// whole amounts from 0 to money::maxAmount, each held in a Purse. Shown with
// runtime::moneyFormat.
//
// The rule every move of money keeps: no operation creates or loses money.
// A purse cannot be copied, set or adjusted. Money leaves one purse only to
// arrive whole at another (moveTo), and the game's own rules change the
// total only through the house, by exactly what they say: a stake played and
// a guess lost go to it (payOut), a bonus, a win and a right guess come from
// it (payIn). Each of these is refused as a whole when it cannot be made:
// every amount then stays where it was. Nothing is capped, rounded or
// wrapped to make it fit.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>

using Amount = std::int64_t;

namespace money {

// Far above the 2,147,483,647 the game was designed for: the double-up
// brings back credits past that, and they stay playable.
inline constexpr Amount maxAmount = std::numeric_limits<Amount>::max();

// a + b, or nothing when the sum would pass maxAmount. A negative operand is
// no amount and gives nothing.
[[nodiscard]] constexpr std::optional<Amount> sum(Amount a, Amount b) {
    if (a < 0 || b < 0 || b > maxAmount - a)
        return std::nullopt;
    return a + b;
}

// amount × factor, or nothing when the product would pass maxAmount.
[[nodiscard]] constexpr std::optional<Amount> product(Amount amount, Amount factor) {
    if (amount < 0 || factor < 0 || (factor != 0 && amount > maxAmount / factor))
        return std::nullopt;
    return amount * factor;
}

// For a move that the rules have made sure of beforehand. Were it refused
// all the same, the rules' own checks would be wrong and going on would
// create or lose money, so the program stops there.
inline void assured(bool moved) {
    if (!moved) {
        std::fputs("tombel: a move of money that the rules allow was refused\n", stderr);
        std::abort();
    }
}

} // namespace money

class Purse {
public:
    constexpr Purse() = default;
    Purse(const Purse&) = delete;
    Purse& operator=(const Purse&) = delete;
    Purse& operator=(Purse&&) = delete;
    // A new purse takes everything the other held, which is left empty.
    constexpr Purse(Purse&& other) noexcept : amount_(std::exchange(other.amount_, 0)) {}

    constexpr Amount amount() const { return amount_; }
    constexpr bool empty() const { return amount_ == 0; }

    // Moves amount into `to`: refused when this holds less or `to` could not
    // hold the sum.
    [[nodiscard]] constexpr bool moveTo(Purse& to, Amount amount) {
        if (amount < 0 || amount > amount_ || &to == this)
            return false;
        const std::optional<Amount> received = money::sum(to.amount_, amount);
        if (!received)
            return false;
        amount_ -= amount;
        to.amount_ = *received;
        return true;
    }
    [[nodiscard]] constexpr bool moveAllTo(Purse& to) { return moveTo(to, amount_); }

    // The house pays amount in: refused when the purse could not hold it.
    [[nodiscard]] constexpr bool payIn(Amount amount) {
        const std::optional<Amount> received = money::sum(amount_, amount);
        if (!received)
            return false;
        amount_ = *received;
        return true;
    }

    // amount goes to the house: refused when the purse holds less.
    [[nodiscard]] constexpr bool payOut(Amount amount) {
        if (amount < 0 || amount > amount_)
            return false;
        amount_ -= amount;
        return true;
    }

private:
    Amount amount_ = 0;
};
