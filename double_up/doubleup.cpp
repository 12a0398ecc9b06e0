#include "double_up/doubleup.h"

#include "common/random.h"
#include "common/runtime.h"

DoubleUp::DoubleUp(RandomSource& random) : random_(random) {}

void DoubleUp::start(Purse& win, Purse& credit) {
    card_ = Card::MysteryCard;
    money::assured(stake_.empty() && credit_.empty());
    money::assured(win.moveAllTo(stake_) && credit.moveAllTo(credit_));
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
    if (stake_.empty() || paused_)
        return GuessResult::Ignored;
    // Refused before the outcome is looked at: with the outcome on show a
    // player could otherwise double without end.
    const Amount gained = stake_.amount();
    const std::optional<Amount> doubled = money::product(gained, 2);
    if (!doubled || *doubled > stakeCeiling || !money::sum(credit(), *doubled))
        return GuessResult::Ignored;
    if (static_cast<int>(guess) != outcome_) {
        money::assured(stake_.payOut(gained));
        card_ = Card::RedX;
        return GuessResult::Wrong;
    }
    // The house matches the stake; the total counts what the guesses won.
    money::assured(stake_.payIn(gained));
    const std::optional<Amount> total = money::sum(totalGained_, gained);
    money::assured(total.has_value());
    totalGained_ = *total;
    drawOutcome();
    card_ = Card::Dollar;
    paused_ = true;
    ++rightGuesses_;
    return GuessResult::Right;
}

bool DoubleUp::cashHalf() {
    // stake / 2 rounded half to even, in whole numbers.
    const Amount stake = stake_.amount();
    Amount half = stake / 2;
    if (stake % 2 != 0 && half % 2 != 0)
        ++half;
    if (half == 0)
        return false;
    money::assured(stake_.moveTo(credit_, half));
    return true;
}

void DoubleUp::cashAll() {
    money::assured(stake_.moveAllTo(credit_));
    card_ = Card::RedX;
}

Purse DoubleUp::leave() {
    money::assured(stake_.moveAllTo(credit_));
    return std::move(credit_);
}

bool DoubleUp::displayTick() {
    if (!stake_.empty() || card_ == Card::RedX)
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
    if (stake_.empty())
        return State::NothingAtStake;
    return paused_ ? State::ShowingWin : State::AwaitingGuess;
}
