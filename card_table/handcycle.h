#pragma once
// The game of the card table, without any widget: one hand runs from taking
// the stake to cashing the win. Enter moves the hand on by one state; between
// the spins the keys 1 to 5 hold and release cards; between hands F1 to F4
// set the stake. Two ticks drive the cards: the draw gives every card that is
// not held a new random colour, the painting turns each face to the colour
// its card holds. The screen turns keys and timer ticks into these calls and
// shows what this class holds.

#include "common/cardcolour.h"
#include "common/money.h"

#include <QString>
#include <array>
#include <optional>

class RandomSource;

enum class HandState { Idle = 0, FirstSpin = 1, Hold = 2, SecondSpin = 3, Result = 4 };

enum class StakeKey { F1, F2, F3, F4 };

// The credit a new table starts with and the text "Pocetni ulog:" shows for it.
struct StartingCredit {
    // Level "1"'s credit, which a table also holds before its settings are
    // read and keeps for any level it does not know.
    static constexpr Amount standard = 2000;
    Amount credit = standard;
    QString shown = QStringLiteral("0");
};

// By the starting-credit level of the settings ("1", "2", "3"; anything else
// keeps the standard credit and shows "0"); the player name "vilorak"
// overrides every level.
StartingCredit startingCredit(const QString& level, const QString& playerName);

class HandCycle {
public:
    static constexpr int cardCount = 5;
    // Five cards of one colour at the first stop pay the bonus into the
    // credit at once; four or five at the second stop wait as the hand's win.
    static constexpr Amount firstSpinBonusMultiplier = 4;
    static constexpr Amount fourColourMultiplier = 2;
    static constexpr Amount fiveColourMultiplier = 5;

    // What one Enter did.
    enum class Step { Nothing, Start, FirstStop, Respin, SecondStop, Cash };

    // Whether one of the screen's ticks is to start, stop or go on as it is.
    enum class Tick { Unchanged, Start, Stop };

    // What a call changed, so the screen follows with exactly that.
    struct Change {
        Step step = Step::Nothing;
        bool meters = false;  // the credit, the stake or the win
        bool holds = false;   // which cards are held
        bool faces = false;   // what the faces show
        bool cleared = false; // the hand is over: faces down, nothing held, no win
        Tick draw = Tick::Unchanged;
        // Start: a face lags behind its card's colour; Stop: the faces are
        // to stay as they are.
        Tick painting = Tick::Unchanged;
    };

    explicit HandCycle(RandomSource& random);

    // The house gives the new game its starting credit, once, before any hand.
    void open(Amount startingCredit);

    // Keys. Enter starts a hand only when the credit covers the stake and can
    // hold everything the hand may bring (the bonus and a five-colour win),
    // so no later step of the hand ever has to refuse a payout.
    Change enter();
    Change toggleHold(int card); // 1..5
    Change stakeKey(StakeKey key);

    // The double-up hand-over: possible only with a win waiting in Result.
    bool canHandOver() const;
    // The win and the credit go to the double-up, into the two empty purses
    // given; the hand is cleared as Cash clears it.
    Change handOver(Purse& win, Purse& credit);
    // The credit comes back from the double-up to the idle table.
    Change takeBackCredit(Purse credit);

    // One tick of the colour draw; stops the draw once no spin runs.
    Change drawTick();
    // One tick of the painting: every face takes the colour of its card.
    Change paintTick();

    HandState state() const { return state_; }
    Amount credit() const { return credit_.amount(); }
    Amount stake() const { return stake_; }
    // The hand's win, waiting to be cashed or taken to the double-up.
    Amount win() const { return win_.amount(); }

    // Card numbers are 1..5. A card that was never drawn has no colour.
    std::optional<CardColour> colour(int card) const { return colours_.at(index(card)); }
    bool held(int card) const { return held_.at(index(card)); }
    // What face N shows: the picture of a colour, or the card back (nullopt).
    std::optional<CardColour> face(int card) const { return faces_.at(index(card)); }

    bool drawing() const { return drawing_; }
    bool painting() const { return painting_; }

private:
    static std::size_t index(int card) { return static_cast<std::size_t>(card - 1); }

    bool bestOutcomeFits() const;
    Change start();
    void stopSpin();
    Change firstStop();
    Change secondStop();
    Change cash();
    void clearHand();
    void drawCards();
    Tick paintingWanted() const;

    RandomSource& random_;
    HandState state_ = HandState::Idle;
    Purse credit_;
    // The stake is a setting, not money held: Start plays it from the credit.
    Amount stake_ = 0;
    Purse win_;
    std::array<std::optional<CardColour>, cardCount> colours_{};
    std::array<std::optional<CardColour>, cardCount> faces_{};
    std::array<bool, cardCount> held_{};
    bool drawing_ = false;
    bool painting_ = true;
    // Every card a stop judges must have been drawn in the spin it stops.
    bool drawnThisSpin_ = false;
};
