#include "double_up/doubleup.h"

#include "common/random.h"
#include "common/runtime.h"

#include <algorithm>

DoubleUp::DoubleUp(RandomSource& random) : random_(random) {}

void DoubleUp::start(Amount stake, Amount credit) {
    card_ = Card::MysteryCard;
    // The card table only hands over a win above 0; anything below counts as
    // nothing at stake rather than a debt to gamble with.
    stake_ = std::max<Amount>(stake, 0);
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
    const std::optional<Amount> doubled = money::product(stake_, 2);
    if (!doubled || *doubled > stakeCeiling || !money::sum(credit_, *doubled))
        return GuessResult::Ignored;
    if (static_cast<int>(guess) != outcome_) {
        stake_ = 0;
        card_ = Card::RedX;
        return GuessResult::Wrong;
    }
    const Amount gained = stake_;
    stake_ = *doubled;
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
    Amount half = stake_ / 2;
    if (stake_ % 2 != 0 && half % 2 != 0)
        ++half;
    return half != 0 && money::move(stake_, credit_, half);
}

void DoubleUp::cashAll() {
    if (money::move(stake_, credit_, stake_))
        card_ = Card::RedX;
}

Amount DoubleUp::leave() {
    money::move(stake_, credit_, stake_);
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
