#include "card_table/handcycle.h"

#include "common/creditlevels.h"
#include "common/random.h"

#include <cassert>
#include <cmath>

using money::assured;

StartingCredit startingCredit(const QString& level, const QString& playerName) {
    StartingCredit start;
    for (const CreditLevel& known : creditLevels)
        if (level == QLatin1String(known.value))
            start = {known.credit, QString::fromLatin1(known.shown)};
    if (playerName == QLatin1String("vilorak"))
        start = {50000, QStringLiteral("50,000.00")};
    return start;
}

HandCycle::HandCycle(RandomSource& random) : random_(random) {}

void HandCycle::open(Amount startingCredit) {
    assert(credit_.empty() && state_ == HandState::Idle);
    assured(credit_.payIn(startingCredit));
}

HandCycle::Change HandCycle::enter() {
    switch (state_) {
    case HandState::Idle: {
        // A credit too small for the smallest stake step becomes the stake.
        const Amount stakeBefore = stake_;
        if (credit() > 0 && credit() < 50)
            stake_ = credit();
        if (credit() < stake_ || stake_ <= 0 || !bestOutcomeFits())
            return {.meters = stake_ != stakeBefore};
        return start();
    }
    case HandState::FirstSpin:
        return firstStop();
    case HandState::Hold:
        drawing_ = true;
        drawnThisSpin_ = false;
        state_ = HandState::SecondSpin;
        return {.step = Step::Respin, .draw = Tick::Start};
    case HandState::SecondSpin:
        return secondStop();
    case HandState::Result:
        return cash();
    }
    return {};
}

bool HandCycle::bestOutcomeFits() const {
    // The most a hand can bring: the bonus at the first stop, then five of
    // one colour again at the second, all on what is left after the stake.
    const std::optional<Amount> bonus = money::product(stake_, firstSpinBonusMultiplier);
    const std::optional<Amount> win = money::product(stake_, fiveColourMultiplier);
    if (!bonus || !win)
        return false;
    const std::optional<Amount> afterBonus = money::sum(credit() - stake_, *bonus);
    return afterBonus && money::sum(*afterBonus, *win);
}

HandCycle::Change HandCycle::start() {
    painting_ = true;
    // The stake is played: it goes to the house, whatever the hand brings.
    assured(credit_.payOut(stake_));
    held_.fill(false);
    state_ = HandState::FirstSpin;
    drawing_ = true;
    drawnThisSpin_ = false;
    return {.step = Step::Start,
            .meters = true,
            .holds = true,
            .draw = Tick::Start,
            .painting = paintingWanted()};
}

void HandCycle::stopSpin() {
    // Stopped before the spin's first draw, the cards are drawn now, so the
    // stop judges cards of this spin.
    if (!drawnThisSpin_)
        drawCards();
    drawing_ = false;
}

HandCycle::Change HandCycle::firstStop() {
    stopSpin();
    // Five cards of one colour pay four stakes into the credit at once. The
    // bonus is not also kept as the hand's win, so it is paid only here.
    const std::optional<CardColour> first = colours_[0];
    bool allOne = first.has_value();
    for (const auto& colour : colours_)
        allOne = allOne && colour == first;
    if (allOne) {
        // Start made sure the credit can hold it.
        const std::optional<Amount> bonus = money::product(stake_, firstSpinBonusMultiplier);
        assured(bonus && credit_.payIn(*bonus));
    }
    state_ = HandState::Hold;
    return {.step = Step::FirstStop,
            .meters = allOne,
            .draw = Tick::Stop,
            .painting = paintingWanted()};
}

HandCycle::Change HandCycle::secondStop() {
    stopSpin();
    state_ = HandState::Result;
    Change change{.step = Step::SecondStop, .draw = Tick::Stop, .painting = paintingWanted()};
    for (CardColour colour : allCardColours) {
        int count = 0;
        for (const auto& card : colours_)
            count += card == colour ? 1 : 0;
        const Amount multiplier = count == 5   ? fiveColourMultiplier
                                  : count == 4 ? fourColourMultiplier
                                               : 0;
        if (multiplier == 0)
            continue;
        // The win waits beside the credit until it is cashed or gambled;
        // Start made sure that the credit can take it in.
        const std::optional<Amount> won = money::product(stake_, multiplier);
        assured(won && win_.payIn(*won));
        change.meters = true;
        break;
    }
    return change;
}

HandCycle::Change HandCycle::cash() {
    assured(win_.moveAllTo(credit_));
    clearHand();
    return {.step = Step::Cash,
            .meters = true,
            .holds = true,
            .faces = true,
            .cleared = true,
            .painting = Tick::Stop};
}

bool HandCycle::canHandOver() const {
    return state_ == HandState::Result && !win_.empty();
}

HandCycle::Change HandCycle::handOver(Purse& win, Purse& credit) {
    if (!canHandOver())
        return {};
    assured(win.empty() && credit.empty());
    assured(win_.moveAllTo(win) && credit_.moveAllTo(credit));
    clearHand();
    return {.meters = true, .holds = true, .faces = true, .cleared = true, .painting = Tick::Stop};
}

HandCycle::Change HandCycle::takeBackCredit(Purse credit) {
    // The table waited idle, with no hand, while the credit was away.
    assert(state_ == HandState::Idle && win_.empty());
    assured(credit.moveAllTo(credit_));
    return {.meters = true};
}

void HandCycle::clearHand() {
    painting_ = false;
    state_ = HandState::Idle;
    faces_.fill(std::nullopt);
    held_.fill(false);
}

HandCycle::Change HandCycle::toggleHold(int card) {
    if (state_ != HandState::Hold || card < 1 || card > cardCount)
        return {};
    held_[index(card)] = !held_[index(card)];
    return {.holds = true};
}

HandCycle::Change HandCycle::stakeKey(StakeKey key) {
    if (state_ != HandState::Idle)
        return {};
    const Amount before = stake_;
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
    return {.meters = stake_ != before};
}

void HandCycle::drawCards() {
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
}

HandCycle::Change HandCycle::drawTick() {
    if (!drawing_)
        return {.draw = Tick::Stop};
    drawCards();
    return {.painting = paintingWanted()};
}

HandCycle::Change HandCycle::paintTick() {
    if (!painting_)
        return {};
    bool changed = false;
    for (std::size_t n = 0; n < colours_.size(); ++n) {
        if (colours_[n] && faces_[n] != colours_[n]) {
            faces_[n] = colours_[n];
            changed = true;
        }
    }
    return {.faces = changed};
}

HandCycle::Tick HandCycle::paintingWanted() const {
    if (!painting_)
        return Tick::Unchanged;
    for (std::size_t n = 0; n < colours_.size(); ++n)
        if (colours_[n] && faces_[n] != colours_[n])
            return Tick::Start;
    return Tick::Unchanged;
}
