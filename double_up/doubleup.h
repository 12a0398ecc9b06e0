#pragma once
// The double-up gamble: a pending win staked on a 50/50 guess, higher or
// lower, as often as the player likes. A right guess doubles the stake and
// starts a short pause during which guesses are refused; a wrong guess loses
// the stake. Half or all of the stake can be cashed into the credit at any
// time. No widgets here: the screen turns keys and timer ticks into these
// calls and draws what they leave behind.

#include "common/money.h"

#include <QString>

class RandomSource;

class DoubleUp {
public:
    // The most a right guess may raise the stake to: the largest amount the
    // game was designed for. Doubling has no end of its own, and with the
    // outcome on show a player could double for ever; a stake of 2,000 stops
    // after 20 right guesses. A ceiling on the gamble, not on money: a larger
    // win from the card table can still be cashed, only not doubled.
    static constexpr Amount stakeCeiling = 2'147'483'647;

    enum class State { AwaitingGuess, ShowingWin, NothingAtStake };
    // Higher ("veca") wins on outcome 1, lower ("manja") on outcome 2.
    enum class Guess { Higher = 1, Lower = 2 };
    enum class GuessResult { Ignored, Right, Wrong };
    // What the card picture shows: the mystery card while a guess is awaited,
    // the dollar after a right guess, the red X when nothing is at stake.
    enum class Card { MysteryCard, Dollar, RedX };

    explicit DoubleUp(RandomSource& random);

    // A visit begins: the card table's win and credit move into the visit's
    // stake and credit, the counters start at 0, the pause is off and the
    // first outcome is drawn. The card table hands over only a win its
    // credit can hold, and no step here lets credit and stake together grow
    // past that, so cashing and leaving always take the whole stake.
    void start(Purse& win, Purse& credit);

    // Refused while nothing is at stake, during the pause, and when a right
    // guess would double the stake past stakeCeiling or past what the credit
    // could take in. A refused guess draws nothing and changes nothing.
    GuessResult guess(Guess guess);

    // Delete: the credit receives half the stake (a tie goes to the even
    // neighbour) and the stake keeps the rest, so no money appears or
    // vanishes. A stake of 1 has no half to give. Allowed during the pause.
    // Returns whether anything changed.
    bool cashHalf();

    // End: the whole stake goes to the credit and the red X shows.
    void cashAll();

    // Enter: whatever is still at stake goes to the credit, and the credit
    // leaves with the player, back to the card table.
    Purse leave();

    // The 10 ms display tick's rule: with nothing at stake the red X shows,
    // whatever picture was put there meanwhile. Returns whether the picture changed.
    bool displayTick();

    // The end of the pause after a right guess: the mystery card comes back
    // and guesses are accepted again. Does nothing when no pause runs.
    void pauseEnded();

    // The player name that shows the next outcome on the screen.
    static bool showsOutcome(const QString& playerName);

    State state() const;
    Amount stake() const { return stake_.amount(); }
    Amount credit() const { return credit_.amount(); }
    // 1: "Veca" wins next; 2: "Manja" wins next.
    int outcome() const { return outcome_; }
    int rightGuesses() const { return rightGuesses_; }
    Amount totalGained() const { return totalGained_; }
    Card card() const { return card_; }
    bool paused() const { return paused_; }

private:
    void drawOutcome();

    RandomSource& random_;
    Purse stake_;
    Purse credit_;
    int outcome_ = 1;
    int rightGuesses_ = 0;
    Amount totalGained_ = 0;
    Card card_ = Card::MysteryCard;
    bool paused_ = false;
};
