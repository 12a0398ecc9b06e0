#include "double_up/doubleup.h"

#include "common/random.h"
#include "common/runtime.h"

#include <algorithm>
#include <limits>

namespace {
// Cashing stops at the largest 64-bit value instead of wrapping: the credit
// the card table hands over has no ceiling of its own.
std::int64_t addToCredit(std::int64_t credit, std::int64_t amount) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(credit, amount, &sum))
        return std::numeric_limits<std::int64_t>::max();
    return sum;
}
} // namespace

DoubleUp::DoubleUp(RandomSource& random) : random_(random) {}

void DoubleUp::start(std::int64_t stake, std::int64_t credit) {
    card_ = Card::MysteryCard;
    // The card table only hands over a win above 0; anything below counts as
    // nothing at stake rather than a debt to gamble with.
    stake_ = std::max<std::int64_t>(stake, 0);
    credit_ = credit;
    drawOutcome();
    rightGuesses_ = 0;
    totalGained_ = 0;
    paused_ = false;
}

void DoubleUp::drawOutcome() {
    // The generator goes on from where the card table's spin left it; it is
    // never re-seeded here.
    const double r = random_.next();
    outcome_ = runtime::floorValue(2.0 * r + 1.0) >= 2.0 ? 2 : 1;
}

DoubleUp::GuessResult DoubleUp::guess(Guess guess) {
    if (stake_ <= 0 || paused_)
        return GuessResult::Ignored;
    // Refused before the outcome is looked at: with the outcome on show a
    // player could otherwise double without end.
    if (stake_ > maxAmount / 2)
        return GuessResult::Ignored;
    if (static_cast<int>(guess) != outcome_) {
        stake_ = 0;
        card_ = Card::RedX;
        return GuessResult::Wrong;
    }
    const std::int64_t gained = stake_;
    stake_ = 2 * stake_;
    totalGained_ += gained;
    drawOutcome();
    card_ = Card::Dollar;
    paused_ = true;
    ++rightGuesses_;
    return GuessResult::Right;
}

bool DoubleUp::cashHalf() {
    if (stake_ <= 0)
        return false;
    // stake / 2 rounded half to even, in whole numbers.
    std::int64_t half = stake_ / 2;
    if (stake_ % 2 != 0 && half % 2 != 0)
        ++half;
    if (half == 0)
        return false;
    credit_ = addToCredit(credit_, half);
    stake_ -= half;
    return true;
}

void DoubleUp::cashAll() {
    credit_ = addToCredit(credit_, stake_);
    stake_ = 0;
    card_ = Card::RedX;
}

std::int64_t DoubleUp::leave() {
    if (stake_ > 0) {
        credit_ = addToCredit(credit_, stake_);
        stake_ = 0;
    }
    return credit_;
}

bool DoubleUp::displayTick() {
    if (stake_ != 0 || card_ == Card::RedX)
        return false;
    card_ = Card::RedX;
    return true;
}

void DoubleUp::pauseEnded() {
    if (!paused_)
        return;
    card_ = Card::MysteryCard;
    paused_ = false;
}

bool DoubleUp::showsOutcome(const QString& playerName) {
    return playerName == QStringLiteral("mundragolest");
}

DoubleUp::State DoubleUp::state() const {
    if (stake_ == 0)
        return State::NothingAtStake;
    return paused_ ? State::ShowingWin : State::AwaitingGuess;
}
