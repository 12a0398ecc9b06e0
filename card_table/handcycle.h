#pragma once
// The game of the card table, without any widget: one hand runs from taking
// the stake to cashing the win. Enter moves the hand on by one state; between
// the spins the keys 1 to 5 hold and release cards; between hands F1 to F4
// set the stake. Two ticks drive the cards: the draw gives every card that is
// not held a new random colour, the painting turns each face to the colour
// its card holds. The screen turns keys and timer ticks into these calls and
// shows what this class holds.

#include "common/cardcolour.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class RandomSource;

enum class HandState { Idle = 0, FirstSpin = 1, Hold = 2, SecondSpin = 3, Result = 4 };

enum class StakeKey { F1, F2, F3, F4 };

// The credit a new table starts with and the text "Pocetni ulog:" shows for it.
struct StartingCredit {
    std::int64_t credit = 2000;
    QString shown = QStringLiteral("0");
};

// By the starting-credit level of the settings ("1", "2", "3"; anything else
// keeps 2000 and shows "0"); the player name "vilorak" overrides every level.
StartingCredit startingCredit(const QString& level, const QString& playerName);

class HandCycle {
public:
    static constexpr int cardCount = 5;
    static constexpr std::int64_t fourColourMultiplier = 2;
    static constexpr std::int64_t fiveColourMultiplier = 5;

    // What one Enter did.
    enum class Step { Nothing, Start, FirstStop, Respin, SecondStop, Cash };

    HandCycle(RandomSource& random, std::int64_t credit);

    // Keys.
    Step enter();
    void toggleHold(int card); // 1..5
    void stakeKey(StakeKey key);

    // The double-up hand-over: possible only with a win waiting in Result.
    bool canHandOver() const;
    // Clears the hand as Cash does, but without paying the win into the
    // credit: the double-up carries it. Returns the win handed over.
    std::int64_t handOver();

    // The credit the double-up hands back.
    void setCredit(std::int64_t credit) { credit_ = credit; }

    // One tick of the colour draw; returns whether the draw is still running.
    bool drawTick();
    // One tick of the painting; returns whether a face still differs from
    // the colour of its card (never, once it has run with the painting on).
    bool paintTick();
    // Whether a painting tick would change a face now.
    bool paintingWanted() const;

    HandState state() const { return state_; }
    std::int64_t credit() const { return credit_; }
    std::int64_t stake() const { return stake_; }
    // The hand's win, waiting to be cashed or taken to the double-up.
    std::int64_t win() const { return win_; }

    // Card numbers are 1..5. A card that was never drawn has no colour.
    std::optional<CardColour> colour(int card) const { return colours_.at(index(card)); }
    bool held(int card) const { return held_.at(index(card)); }
    // What face N shows: the picture of a colour, or the card back (nullopt).
    std::optional<CardColour> face(int card) const { return faces_.at(index(card)); }

    bool drawing() const { return drawing_; }
    bool painting() const { return painting_; }

private:
    static std::size_t index(int card) { return static_cast<std::size_t>(card - 1); }

    void start();
    void firstStop();
    void secondStop();
    void cash();
    void clearHand();
    void payout(std::int64_t multiplier);

    RandomSource& random_;
    HandState state_ = HandState::Idle;
    std::int64_t credit_;
    std::int64_t stake_ = 0;
    std::int64_t win_ = 0;
    std::array<std::optional<CardColour>, cardCount> colours_{};
    std::array<std::optional<CardColour>, cardCount> faces_{};
    std::array<bool, cardCount> held_{};
    bool drawing_ = false;
    bool painting_ = true;
    // A spin can only be stopped once it has drawn: every card judged must
    // have been drawn in the hand that judges it.
    bool drawnThisSpin_ = false;
};
