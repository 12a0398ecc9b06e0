// Long seeded random play of the card table and the double-up together, the
// way the program drives them: keys and timer ticks interleaved, the win
// handed to the double-up and the credit carried back. After every event the
// money must add up to a ledger the test keeps on its own from what each step
// produced (stakes taken, bonuses and wins judged from the cards, stakes won
// and lost on guesses), no amount may go below zero, and every key must do
// what the state it meets allows. Near the 64-bit limit nothing may be
// capped or dropped: a move that would pass it must be refused whole.

#include "card_table/handcycle.h"
#include "common/money.h"
#include "common/random.h"
#include "double_up/doubleup.h"

#include <QTest>
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace {
// The ledger must hold sums past the 64-bit limit to see where the rules refuse.
__extension__ typedef __int128 Wide;

constexpr Wide maxAmount = money::maxAmount;
constexpr Wide stakeCeiling = 2'147'483'647;
constexpr int cards = HandCycle::cardCount;

// The most a hand can leave from the credit it starts with: the stake taken,
// four stakes of bonus, then five stakes for five of a colour again.
Wide bestOutcome(Wide credit, Wide stake) {
    return credit - stake + 4 * stake + 5 * stake;
}

// A right guess must stay under the ceiling and leave credit and stake cashable.
bool doublingAllowed(Wide credit, Wide stake) {
    return 2 * stake <= stakeCeiling && credit + 2 * stake <= maxAmount;
}

// A deterministic stand-in for the clock-seeded source; a re-seed only marks
// the start of a draw tick. About a third of the numbers repeat the one
// before, and some sit on the very ends of [0, 1), so four and five of a
// colour come often and the edges of the draw are met.
class SeededNumbers final : public RandomSource {
public:
    explicit SeededNumbers(std::uint32_t seed) : engine_(seed) {}

    void reseed() override {
        ++reseeds;
        taken.clear();
    }

    float next() override {
        const std::uint32_t roll = engine_() % 16;
        if (roll == 0)
            last_ = 0;
        else if (roll == 1)
            last_ = 0xFFFFFF;
        else if (roll >= 7)
            last_ = engine_() >> 8;
        const float number = static_cast<float>(last_) / 16777216.0f;
        taken.push_back(number);
        return number;
    }

    int reseeds = 0;
    // The numbers handed out since the last re-seed.
    std::vector<float> taken;

private:
    std::mt19937 engine_;
    std::uint32_t last_ = 0;
};

// Each quarter of [0, 1) draws one colour, in draw-code order.
CardColour colourOfNumber(float number) {
    return number < 0.25f   ? CardColour::Red
           : number < 0.5f  ? CardColour::Blue
           : number < 0.75f ? CardColour::Yellow
                            : CardColour::Green;
}

// How the player treats the double-up: guesses at random, or always right
// (as with the outcome on show) until doubling reaches its ceiling.
enum class Style { Mixed, AlwaysRight };

struct Tally {
    int events = 0;
    int hands = 0;
    int bonuses = 0;
    int fourWins = 0;
    int fiveWins = 0;
    int visits = 0;
    int rightGuesses = 0;
    int wrongGuesses = 0;
    int refusedAtCeiling = 0;
    // Starts and guesses refused because the money could not be held.
    int refusedAtLimit = 0;
    int halves = 0;
    int cashAlls = 0;
    int newGames = 0;
    // Starts where a credit below 50 became the stake.
    int smallCreditStakes = 0;
};

#define SOAK_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            fail(#condition, __LINE__);                                                            \
            return;                                                                                \
        }                                                                                          \
    } while (false)

class Soak {
public:
    Soak(std::uint32_t seed, std::int64_t startingCredit, Style style)
        : seed_(seed), startingCredit_(startingCredit), style_(style), events_(seed),
          random_(seed ^ 0x5EEDu) {
        newGame();
        --tally_.newGames;
    }

    void run(int events) {
        for (int n = 0; n < events && !failed_; ++n) {
            ++tally_.events;
            if (visit_)
                visitEvent();
            else
                tableEvent();
            if (!failed_)
                checkInvariants();
        }
    }

    bool failed() const { return failed_; }
    const Tally& tally() const { return tally_; }

private:
    std::uint32_t roll(std::uint32_t below) { return events_() % below; }

    void fail(const char* what, int line) {
        failed_ = true;
        const QByteArray message = QStringLiteral("seed %1, event %2: %3")
                                       .arg(seed_)
                                       .arg(tally_.events)
                                       .arg(what)
                                       .toUtf8();
        QTest::qFail(message.constData(), __FILE__, line);
    }

    // A table with nothing left to stake, or too rich for the smallest hand,
    // is over: the player leaves it and starts a new game.
    void newGame() {
        hand_.emplace(random_);
        hand_->open(startingCredit_);
        ledger_ = startingCredit_;
        handStake_ = 0;
        held_.fill(false);
        ++tally_.newGames;
    }

    void tableEvent() {
        const bool over = hand_->credit() == 0 || bestOutcome(hand_->credit(), 50) > maxAmount;
        if (hand_->state() == HandState::Idle && over) {
            newGame();
            return;
        }
        const std::uint32_t r = roll(100);
        // With a win waiting, the player takes it to the double-up as often as
        // he cashes it.
        const bool winWaits = hand_->state() == HandState::Result && hand_->win() > 0;
        if (r < 28 && winWaits && roll(2) == 0)
            insert();
        else if (r < 28)
            enter();
        else if (r < 38)
            holdKey(1 + static_cast<int>(roll(cards)));
        else if (r < 46)
            stakeKey();
        else if (r < 52)
            insert();
        else if (r < 80)
            drawTick();
        else
            paintTick();
    }

    void visitEvent() {
        const bool mixed = style_ == Style::Mixed;
        // Played always right, the player stays until doubling is refused or
        // nothing is left at stake, and rarely cashes on the way.
        const bool mayLeave =
            mixed || visit_->stake() == 0 || !doublingAllowed(visit_->credit(), visit_->stake());
        const std::uint32_t r = roll(1000);
        if (r < 300) {
            const bool veca = mixed ? roll(2) == 0 : visit_->outcome() == 1;
            guess(veca ? DoubleUp::Guess::Higher : DoubleUp::Guess::Lower);
        } else if (r < (mixed ? 400u : 305u)) {
            cashHalf();
        } else if (r < (mixed ? 430u : 308u)) {
            cashAll();
        } else if (r < 600) {
            displayTick();
        } else if (r < 800) {
            pauseEnded();
        } else if (r < 900) {
            // The card table's timers tick on while it is hidden.
            if (roll(2) == 0)
                drawTick();
            else
                paintTick();
        } else if (r < 950 && mayLeave) {
            leave();
        }
    }

    // --- The card table -------------------------------------------------

    void enter() {
        HandCycle& hand = *hand_;
        const HandState state = hand.state();
        const std::int64_t credit = hand.credit();
        const std::int64_t stake = hand.stake();
        const std::int64_t win = hand.win();
        const HandCycle::Step step = hand.enter().step;
        switch (state) {
        case HandState::Idle: {
            const std::int64_t newStake = credit > 0 && credit < 50 ? credit : stake;
            SOAK_CHECK(hand.stake() == newStake);
            const bool fits = bestOutcome(credit, newStake) <= maxAmount;
            if (newStake <= 0 || newStake > credit || !fits) {
                SOAK_CHECK(step == HandCycle::Step::Nothing);
                SOAK_CHECK(hand.state() == HandState::Idle && hand.credit() == credit);
                tally_.refusedAtLimit += newStake > 0 && newStake <= credit ? 1 : 0;
                return;
            }
            SOAK_CHECK(step == HandCycle::Step::Start);
            SOAK_CHECK(hand.state() == HandState::FirstSpin);
            SOAK_CHECK(hand.credit() == credit - newStake);
            ledger_ -= newStake;
            tally_.smallCreditStakes += newStake != stake ? 1 : 0;
            handStake_ = newStake;
            held_.fill(false);
            ++tally_.hands;
            return;
        }
        case HandState::FirstSpin: {
            // A stop before the spin's first draw draws the cards it judges.
            SOAK_CHECK(step == HandCycle::Step::FirstStop);
            SOAK_CHECK(hand.state() == HandState::Hold);
            if (largestColourCount() == cards) {
                const Wide bonus = Wide(stake) * 4;
                SOAK_CHECK(hand.credit() == Wide(credit) + bonus);
                ledger_ += bonus;
                ++tally_.bonuses;
            } else {
                SOAK_CHECK(hand.credit() == credit);
            }
            return;
        }
        case HandState::Hold:
            SOAK_CHECK(step == HandCycle::Step::Respin);
            SOAK_CHECK(hand.state() == HandState::SecondSpin && hand.credit() == credit);
            return;
        case HandState::SecondSpin: {
            SOAK_CHECK(step == HandCycle::Step::SecondStop);
            SOAK_CHECK(hand.state() == HandState::Result && hand.credit() == credit);
            const int most = largestColourCount();
            const Wide won = most == 5 ? Wide(stake) * 5 : most == 4 ? Wide(stake) * 2 : 0;
            SOAK_CHECK(hand.win() == won);
            ledger_ += won;
            tally_.fiveWins += most == 5 ? 1 : 0;
            tally_.fourWins += most == 4 ? 1 : 0;
            return;
        }
        case HandState::Result:
            SOAK_CHECK(step == HandCycle::Step::Cash);
            SOAK_CHECK(hand.state() == HandState::Idle && hand.win() == 0);
            SOAK_CHECK(hand.credit() == Wide(credit) + win);
            held_.fill(false);
            return;
        }
    }

    int largestColourCount() const {
        int most = 0;
        for (CardColour colour : allCardColours) {
            int count = 0;
            for (int card = 1; card <= cards; ++card)
                count += hand_->colour(card) == colour ? 1 : 0;
            most = std::max(most, count);
        }
        return most;
    }

    void holdKey(int card) {
        const bool wasHeld = hand_->held(card);
        hand_->toggleHold(card);
        const bool flips = hand_->state() == HandState::Hold;
        SOAK_CHECK(hand_->held(card) == (flips ? !wasHeld : wasHeld));
        held_[card - 1] = hand_->held(card);
    }

    void stakeKey() {
        HandCycle& hand = *hand_;
        // A player lowers a stake the table will not start.
        const bool refused =
            hand.stake() > hand.credit() || bestOutcome(hand.credit(), hand.stake()) > maxAmount;
        const bool lower = refused ? roll(10) != 0 : roll(2) == 0;
        const bool small = roll(2) == 0;
        const StakeKey key =
            lower ? (small ? StakeKey::F1 : StakeKey::F3) : (small ? StakeKey::F2 : StakeKey::F4);
        const std::int64_t stake = hand.stake();
        const std::int64_t step = small ? 50 : 1000;
        hand.stakeKey(key);
        std::int64_t expected = stake;
        if (hand.state() == HandState::Idle) {
            if (!lower && Wide(stake) + step <= maxAmount)
                expected = stake + step;
            else if (stake >= step)
                expected = stake - step;
        }
        SOAK_CHECK(hand.stake() == expected);
    }

    void insert() {
        HandCycle& hand = *hand_;
        const bool possible = hand.state() == HandState::Result && hand.win() > 0;
        SOAK_CHECK(hand.canHandOver() == possible);
        const std::int64_t credit = hand.credit();
        const std::int64_t offered = hand.win();
        const HandState state = hand.state();
        Purse win;
        Purse carried;
        if (!possible) {
            SOAK_CHECK(!hand.handOver(win, carried).cleared && win.empty() && carried.empty());
            SOAK_CHECK(hand.state() == state && hand.credit() == credit);
            return;
        }
        // The win and the credit go to the double-up, and the hand is cleared.
        const std::size_t taken = random_.taken.size();
        const int reseeds = random_.reseeds;
        SOAK_CHECK(hand.handOver(win, carried).cleared);
        SOAK_CHECK(win.amount() == offered && carried.amount() == credit);
        SOAK_CHECK(hand.state() == HandState::Idle && hand.credit() == 0 && hand.win() == 0);
        visit_.emplace(random_);
        visit_->start(win, carried);
        for (int card = 1; card <= cards; ++card)
            SOAK_CHECK(!hand.face(card));
        held_.fill(false);

        const DoubleUp& visit = *visit_;
        SOAK_CHECK(visit.stake() == offered && visit.credit() == credit);
        SOAK_CHECK(visit.state() == DoubleUp::State::AwaitingGuess);
        SOAK_CHECK(visit.rightGuesses() == 0 && visit.totalGained() == 0);
        // The first outcome goes on from the table's numbers, without a re-seed.
        SOAK_CHECK(random_.reseeds == reseeds && random_.taken.size() == taken + 1);
        SOAK_CHECK(visit.outcome() == (random_.taken.back() < 0.5f ? 1 : 2));
        visitGained_ = 0;
        visitRight_ = 0;
        ++tally_.visits;
    }

    void drawTick() {
        HandCycle& hand = *hand_;
        const bool spinning =
            hand.state() == HandState::FirstSpin || hand.state() == HandState::SecondSpin;
        SOAK_CHECK(!visit_ || !spinning);
        std::array<std::optional<CardColour>, cards> before{};
        for (int card = 1; card <= cards; ++card)
            before[card - 1] = hand.colour(card);
        const int reseeds = random_.reseeds;
        const std::size_t taken = random_.taken.size();

        SOAK_CHECK((hand.drawTick().draw != HandCycle::Tick::Stop) == spinning);
        if (!spinning) {
            SOAK_CHECK(random_.reseeds == reseeds && random_.taken.size() == taken);
            for (int card = 1; card <= cards; ++card)
                SOAK_CHECK(hand.colour(card) == before[card - 1]);
            return;
        }
        // One re-seed, then one number for each card not held, in card order.
        SOAK_CHECK(random_.reseeds == reseeds + 1);
        std::size_t used = 0;
        for (int card = 1; card <= cards; ++card) {
            if (held_[card - 1]) {
                SOAK_CHECK(hand.colour(card) == before[card - 1]);
                continue;
            }
            SOAK_CHECK(used < random_.taken.size());
            SOAK_CHECK(hand.colour(card) == colourOfNumber(random_.taken[used++]));
        }
        SOAK_CHECK(used == random_.taken.size());
    }

    void paintTick() {
        HandCycle& hand = *hand_;
        std::array<std::optional<CardColour>, cards> faces{};
        for (int card = 1; card <= cards; ++card)
            faces[card - 1] = hand.face(card);
        hand.paintTick();
        for (int card = 1; card <= cards; ++card) {
            const bool shows = hand.painting() && hand.colour(card);
            SOAK_CHECK(hand.face(card) == (shows ? hand.colour(card) : faces[card - 1]));
        }
        SOAK_CHECK(!hand.paintTick().faces);
    }

    // --- The double-up ---------------------------------------------------

    void guess(DoubleUp::Guess guess) {
        DoubleUp& visit = *visit_;
        const std::int64_t stake = visit.stake();
        const std::int64_t credit = visit.credit();
        const int outcome = visit.outcome();
        const bool paused = visit.paused();
        const std::size_t taken = random_.taken.size();
        const int reseeds = random_.reseeds;
        const DoubleUp::GuessResult result = visit.guess(guess);
        SOAK_CHECK(visit.credit() == credit && random_.reseeds == reseeds);
        if (stake <= 0 || paused || !doublingAllowed(credit, stake)) {
            SOAK_CHECK(result == DoubleUp::GuessResult::Ignored);
            SOAK_CHECK(visit.stake() == stake && visit.outcome() == outcome);
            SOAK_CHECK(random_.taken.size() == taken);
            if (stake > 0 && !paused) {
                if (2 * Wide(stake) > stakeCeiling)
                    ++tally_.refusedAtCeiling;
                else
                    ++tally_.refusedAtLimit;
            }
            return;
        }
        if (static_cast<int>(guess) != outcome) {
            SOAK_CHECK(result == DoubleUp::GuessResult::Wrong);
            SOAK_CHECK(visit.stake() == 0 && visit.card() == DoubleUp::Card::RedX);
            SOAK_CHECK(visit.outcome() == outcome && random_.taken.size() == taken);
            ledger_ -= stake;
            ++tally_.wrongGuesses;
            return;
        }
        SOAK_CHECK(result == DoubleUp::GuessResult::Right);
        SOAK_CHECK(visit.stake() == 2 * stake);
        SOAK_CHECK(visit.paused() && visit.card() == DoubleUp::Card::Dollar);
        SOAK_CHECK(random_.taken.size() == taken + 1);
        SOAK_CHECK(visit.outcome() == (random_.taken.back() < 0.5f ? 1 : 2));
        ledger_ += stake;
        visitGained_ += stake;
        ++visitRight_;
        ++tally_.rightGuesses;
    }

    void cashHalf() {
        DoubleUp& visit = *visit_;
        const std::int64_t stake = visit.stake();
        const std::int64_t credit = visit.credit();
        const bool changed = visit.cashHalf();
        const std::int64_t half = stake - visit.stake();
        SOAK_CHECK(half >= stake / 2 && half <= (stake + 1) / 2);
        SOAK_CHECK(changed == (half > 0));
        SOAK_CHECK(visit.credit() == Wide(credit) + half);
        tally_.halves += changed ? 1 : 0;
    }

    void cashAll() {
        DoubleUp& visit = *visit_;
        const std::int64_t stake = visit.stake();
        const std::int64_t credit = visit.credit();
        visit.cashAll();
        SOAK_CHECK(visit.stake() == 0 && visit.card() == DoubleUp::Card::RedX);
        SOAK_CHECK(visit.credit() == Wide(credit) + stake);
        ++tally_.cashAlls;
    }

    void displayTick() {
        DoubleUp& visit = *visit_;
        const DoubleUp::Card card = visit.card();
        const bool changed = visit.displayTick();
        const DoubleUp::Card expected = visit.stake() == 0 ? DoubleUp::Card::RedX : card;
        SOAK_CHECK(visit.card() == expected && changed == (card != expected));
    }

    void pauseEnded() {
        DoubleUp& visit = *visit_;
        const bool paused = visit.paused();
        const DoubleUp::Card card = visit.card();
        visit.pauseEnded();
        SOAK_CHECK(!visit.paused());
        SOAK_CHECK(visit.card() == (paused ? DoubleUp::Card::MysteryCard : card));
    }

    // Enter on the double-up: the credit goes back to the card table.
    void leave() {
        const std::int64_t stake = visit_->stake();
        const std::int64_t credit = visit_->credit();
        Purse back = visit_->leave();
        const std::int64_t returned = back.amount();
        SOAK_CHECK(returned == Wide(credit) + stake);
        SOAK_CHECK(visit_->stake() == 0 && visit_->credit() == 0);
        visit_.reset();
        hand_->takeBackCredit(std::move(back));
        SOAK_CHECK(hand_->credit() == returned && hand_->state() == HandState::Idle);
    }

    // --- After every event -----------------------------------------------

    void checkInvariants() {
        const HandCycle& hand = *hand_;
        SOAK_CHECK(hand.credit() >= 0 && hand.stake() >= 0);
        SOAK_CHECK(hand.win() >= 0);
        // A win waits only in Result; the first-stop bonus goes straight to the credit.
        SOAK_CHECK(hand.win() == 0 || hand.state() == HandState::Result);
        // The stake Start took stays the stake to the end of the hand.
        SOAK_CHECK(hand.state() == HandState::Idle || hand.stake() == handStake_);
        for (int card = 1; card <= cards; ++card) {
            SOAK_CHECK(hand.held(card) == held_[card - 1]);
            SOAK_CHECK(hand.painting() || !hand.face(card));
        }

        Wide money = Wide(hand.credit()) + hand.win();
        if (visit_) {
            const DoubleUp& visit = *visit_;
            SOAK_CHECK(hand.state() == HandState::Idle && hand.win() == 0 && hand.credit() == 0);
            SOAK_CHECK(visit.stake() >= 0 && visit.credit() >= 0);
            SOAK_CHECK(visit.totalGained() == visitGained_ && visit.rightGuesses() == visitRight_);
            // The table's credit is the double-up's to carry while it is open.
            money = Wide(visit.credit()) + visit.stake();
        }
        SOAK_CHECK(money == ledger_);
    }

    std::uint32_t seed_;
    std::int64_t startingCredit_;
    Style style_;
    std::mt19937 events_;
    SeededNumbers random_;
    std::optional<HandCycle> hand_;
    std::optional<DoubleUp> visit_;
    // What the money on the table (credit and waiting win) or on the
    // double-up (credit and stake) must add up to.
    Wide ledger_ = 0;
    std::int64_t handStake_ = 0;
    std::array<bool, cards> held_{};
    std::int64_t visitGained_ = 0;
    int visitRight_ = 0;
    Tally tally_;
    bool failed_ = false;
};
} // namespace

Q_DECLARE_METATYPE(Style)

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void play_data();
    void play();
};

void SoakTest::play_data() {
    QTest::addColumn<uint>("seed");
    QTest::addColumn<qint64>("credit");
    QTest::addColumn<Style>("style");
    QTest::addColumn<int>("events");
    QTest::addColumn<bool>("meetsLimit");
    QTest::addColumn<bool>("endsGames");

    // A table that plays itself out starts a new game. Near the 64-bit limit
    // hands and guesses whose money could not be held are refused; the
    // double-up's doubling has a ceiling of its own, which the always-right
    // player reaches again and again.

    constexpr qint64 edge32 = 2'147'483'647;
    QTest::newRow("a long evening")
        << 20240601u << qint64(2000) << Style::Mixed << 150000 << false << true;
    QTest::newRow("a rich player")
        << 77u << qint64(50000) << Style::Mixed << 40000 << false << false;
    QTest::newRow("credit at the 32-bit edge")
        << 32u << edge32 - 1500 << Style::Mixed << 30000 << false << false;
    QTest::newRow("credit at the 64-bit edge")
        << 64u << qint64(maxAmount - 1500) << Style::Mixed << 30000 << true << false;
    QTest::newRow("doubling to the ceiling")
        << 4242u << qint64(2000) << Style::AlwaysRight << 40000 << false << false;
    QTest::newRow("doubling to the ceiling at the 64-bit edge")
        << 6464u << qint64(maxAmount - 3 * edge32) << Style::AlwaysRight << 30000 << true << false;
}

void SoakTest::play() {
    QFETCH(uint, seed);
    QFETCH(qint64, credit);
    QFETCH(Style, style);
    QFETCH(int, events);
    QFETCH(bool, meetsLimit);
    QFETCH(bool, endsGames);

    Soak soak(seed, credit, style);
    soak.run(events);
    if (soak.failed())
        return;
    const Tally& tally = soak.tally();
    QCOMPARE(tally.events, events);

    // The play must have gone everywhere it is meant to go, or it proves little.
    QVERIFY(tally.hands > 100);
    QVERIFY(tally.visits > 10);
    QVERIFY(tally.rightGuesses > 10);
    if (style == Style::Mixed) {
        QVERIFY(tally.bonuses > 0);
        QVERIFY(tally.fourWins > 0);
        QVERIFY(tally.fiveWins > 0);
        QVERIFY(tally.wrongGuesses > 10);
        QVERIFY(tally.halves > 10);
        QVERIFY(tally.cashAlls > 10);
    } else {
        QCOMPARE(tally.wrongGuesses, 0);
        QVERIFY(tally.refusedAtCeiling > 0);
    }
    QCOMPARE(tally.refusedAtLimit > 0, meetsLimit);
    if (endsGames) {
        QVERIFY(tally.newGames > 0);
        QVERIFY(tally.smallCreditStakes > 0);
    }
}

QTEST_APPLESS_MAIN(SoakTest)
#include "test_soak.moc"
