#include "card_table/handcycle.h"

#include "common/random.h"

#include <cmath>

StartingCredit startingCredit(const QString& level, const QString& playerName) {
    StartingCredit start;
    if (level == QLatin1String("1"))
        start = {StartingCredit::standard, QStringLiteral("2,000.00")};
    else if (level == QLatin1String("2"))
        start = {5000, QStringLiteral("5,000.00")};
    else if (level == QLatin1String("3"))
        start = {10000, QStringLiteral("10,000.00")};
    if (playerName == QLatin1String("vilorak"))
        start = {50000, QStringLiteral("50,000.00")};
    return start;
}

HandCycle::HandCycle(RandomSource& random, Amount credit) : random_(random), credit_(credit) {}

HandCycle::Step HandCycle::enter() {
    switch (state_) {
    case HandState::Idle:
        // A credit too small for the smallest stake step becomes the stake.
        if (credit_ > 0 && credit_ < 50)
            stake_ = credit_;
        if (credit_ < stake_ || stake_ <= 0 || !bestOutcomeFits())
            return Step::Nothing;
        start();
        return Step::Start;
    case HandState::FirstSpin:
        if (!drawnThisSpin_)
            return Step::Nothing;
        firstStop();
        return Step::FirstStop;
    case HandState::Hold:
        drawing_ = true;
        drawnThisSpin_ = false;
        state_ = HandState::SecondSpin;
        return Step::Respin;
    case HandState::SecondSpin:
        if (!drawnThisSpin_)
            return Step::Nothing;
        secondStop();
        return Step::SecondStop;
    case HandState::Result:
        return cash() ? Step::Cash : Step::Nothing;
    }
    return Step::Nothing;
}

bool HandCycle::bestOutcomeFits() const {
    // The most a hand can bring: the bonus at the first stop, then five of
    // one colour again at the second, all on what is left after the stake.
    const std::optional<Amount> bonus = money::product(stake_, firstSpinBonusMultiplier);
    const std::optional<Amount> win = money::product(stake_, fiveColourMultiplier);
    if (!bonus || !win)
        return false;
    const std::optional<Amount> afterBonus = money::sum(credit_ - stake_, *bonus);
    return afterBonus && money::sum(*afterBonus, *win);
}

void HandCycle::start() {
    painting_ = true;
    credit_ -= stake_;
    held_.fill(false);
    state_ = HandState::FirstSpin;
    drawing_ = true;
    drawnThisSpin_ = false;
}

void HandCycle::firstStop() {
    drawing_ = false;
    // Five cards of one real colour pay four stakes into the credit at once.
    // The bonus is not also kept as the hand's win, so it is paid only here.
    const std::optional<CardColour> first = colours_[0];
    bool allOne = first.has_value();
    for (const auto& colour : colours_)
        allOne = allOne && colour == first;
    if (allOne) {
        // Start made sure the credit can hold it.
        const std::optional<Amount> bonus = money::product(stake_, firstSpinBonusMultiplier);
        const std::optional<Amount> credit = bonus ? money::sum(credit_, *bonus) : std::nullopt;
        if (credit)
            credit_ = *credit;
    }
    state_ = HandState::Hold;
}

void HandCycle::secondStop() {
    drawing_ = false;
    state_ = HandState::Result;
    for (CardColour colour : allCardColours) {
        int count = 0;
        for (const auto& card : colours_)
            count += card == colour ? 1 : 0;
        if (count == 4) {
            payout(fourColourMultiplier);
            return;
        }
        if (count == 5) {
            payout(fiveColourMultiplier);
            return;
        }
    }
}

void HandCycle::payout(Amount multiplier) {
    // The win waits beside the credit until it is cashed or gambled.
    if (const std::optional<Amount> win = money::product(stake_, multiplier))
        win_ = *win;
}

bool HandCycle::cash() {
    // Refused, win kept, only if the credit was set past what Start allowed.
    if (!money::move(win_, credit_, win_))
        return false;
    clearHand();
    return true;
}

bool HandCycle::canHandOver() const {
    return state_ == HandState::Result && win_ > 0;
}

Amount HandCycle::handOver() {
    if (!canHandOver())
        return 0;
    const Amount win = win_;
    clearHand();
    return win;
}

void HandCycle::clearHand() {
    painting_ = false;
    state_ = HandState::Idle;
    faces_.fill(std::nullopt);
    win_ = 0;
    held_.fill(false);
}

void HandCycle::toggleHold(int card) {
    if (state_ != HandState::Hold || card < 1 || card > cardCount)
        return;
    held_[index(card)] = !held_[index(card)];
}

void HandCycle::stakeKey(StakeKey key) {
    if (state_ != HandState::Idle)
        return;
    switch (key) {
    case StakeKey::F1:
        if (stake_ >= 50)
            stake_ -= 50;
        break;
    case StakeKey::F2:
        stake_ = money::sum(stake_, 50).value_or(stake_);
        break;
    case StakeKey::F3:
        if (stake_ >= 1000)
            stake_ -= 1000;
        break;
    case StakeKey::F4:
        stake_ = money::sum(stake_, 1000).value_or(stake_);
        break;
    }
}

bool HandCycle::drawTick() {
    if (!drawing_)
        return false;
    random_.reseed();
    for (std::size_t n = 0; n < colours_.size(); ++n) {
        if (held_[n])
            continue;
        // Formed at double precision: at single precision the largest number
        // below 1 would round up to a fifth code.
        const double r = random_.next();
        const int code = static_cast<int>(std::floor(r * 4.0 + 1.0));
        if (const auto colour = colourFromDrawCode(code))
            colours_[n] = colour;
    }
    drawnThisSpin_ = true;
    return true;
}

void HandCycle::paintTick() {
    if (!painting_)
        return;
    for (std::size_t n = 0; n < colours_.size(); ++n)
        if (colours_[n])
            faces_[n] = colours_[n];
}

bool HandCycle::paintingWanted() const {
    if (!painting_)
        return false;
    for (std::size_t n = 0; n < colours_.size(); ++n)
        if (colours_[n] && faces_[n] != colours_[n])
            return true;
    return false;
}
