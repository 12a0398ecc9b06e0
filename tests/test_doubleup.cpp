// The double-up gamble's rules: every key in every state, the pause after a
// right guess, cashing half and all, the ceiling on doubling and the player
// name that shows the outcome.

#include "double_up/doubleup.h"
#include "testsupport.h"

#include <QTest>

namespace {
using State = DoubleUp::State;
using Card = DoubleUp::Card;
using Guess = DoubleUp::Guess;

// Random numbers that draw outcome 1 ("veca" wins) and 2 ("manja" wins).
constexpr float veca = 0.2f;
constexpr float manja = 0.7f;

// A visit that begins with this much at stake and in the credit.
void start(DoubleUp& game, Amount stake, Amount credit) {
    Purse win = purseOf(stake);
    Purse held = purseOf(credit);
    game.start(win, held);
}

Amount leave(DoubleUp& game) {
    return game.leave().amount();
}

enum class Action { Veca, Manja, Delete, End, Enter, DisplayTick, PauseEnds };

void act(DoubleUp& game, Action action, std::int64_t* returned) {
    switch (action) {
    case Action::Veca:
        game.guess(Guess::Higher);
        break;
    case Action::Manja:
        game.guess(Guess::Lower);
        break;
    case Action::Delete:
        game.cashHalf();
        break;
    case Action::End:
        game.cashAll();
        break;
    case Action::Enter:
        *returned = leave(game);
        break;
    case Action::DisplayTick:
        game.displayTick();
        break;
    case Action::PauseEnds:
        game.pauseEnded();
        break;
    }
}
} // namespace

Q_DECLARE_METATYPE(State)
Q_DECLARE_METATYPE(Card)
Q_DECLARE_METATYPE(Action)

class DoubleUpTest : public QObject {
    Q_OBJECT
private slots:
    void entry();
    void outcomeDraw_data();
    void outcomeDraw();
    void stateTable_data();
    void stateTable();
    void guessesDuringThePauseChangeNothing();
    void endDuringThePause();
    void deleteDuringThePause();
    void totalGainedCountsWhatEachGuessGained();
    void cashHalfKeepsTheMoneyWhole_data();
    void cashHalfKeepsTheMoneyWhole();
    void doublingStopsAtTheLimit_data();
    void doublingStopsAtTheLimit();
    void endlessRightGuessesStopAtTheLimit();
    void outcomeCode_data();
    void outcomeCode();
    void secondVisitStartsAfresh();
    void entryWithNothingAtStake();
};

void DoubleUpTest::entry() {
    ScriptedRandom random{manja};
    DoubleUp game(random);
    start(game, 1000, 5000);
    QCOMPARE(game.state(), State::AwaitingGuess);
    QCOMPARE(game.stake(), 1000);
    QCOMPARE(game.credit(), 5000);
    QCOMPARE(game.outcome(), 2);
    QCOMPARE(game.rightGuesses(), 0);
    QCOMPARE(game.totalGained(), 0);
    QCOMPARE(game.card(), Card::MysteryCard);
    QVERIFY(!game.paused());
    QCOMPARE(random.taken, 1);
    QCOMPARE(random.reseeds, 0);
}

void DoubleUpTest::outcomeDraw_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("outcome");
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("just below a half") << 0.49999997f << 1;
    QTest::newRow("a half") << 0.5f << 2;
    QTest::newRow("just below 1") << 0.99999994f << 2;
}

void DoubleUpTest::outcomeDraw() {
    QFETCH(float, r);
    QFETCH(int, outcome);
    // The draw at entry and the draw after a right guess follow one rule.
    ScriptedRandom random{r, veca, r};
    DoubleUp game(random);
    start(game, 10, 0);
    QCOMPARE(game.outcome(), outcome);
    game.pauseEnded();
    QCOMPARE(game.guess(outcome == 1 ? Guess::Higher : Guess::Lower), DoubleUp::GuessResult::Right);
    QCOMPARE(game.outcome(), 1);
    game.pauseEnded();
    QCOMPARE(game.guess(Guess::Higher), DoubleUp::GuessResult::Right);
    QCOMPARE(game.outcome(), outcome);
    QCOMPARE(random.reseeds, 0);
}

// Each row starts from one of the three states, reached from an entry with a
// stake of 1000, a credit of 5000 and the outcome "Veca":
//   AwaitingGuess: the entry as it stands;
//   ShowingWin: after a right "Veca", stake 2000, total 1000, next outcome "Manja";
//   NothingAtStake: after a wrong "Manja".
void DoubleUpTest::stateTable_data() {
    QTest::addColumn<State>("from");
    QTest::addColumn<Action>("action");
    QTest::addColumn<State>("state");
    QTest::addColumn<qint64>("stake");
    QTest::addColumn<qint64>("credit");
    QTest::addColumn<Card>("card");
    QTest::addColumn<int>("rightGuesses");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("draws"); // random numbers taken since entry
    QTest::addColumn<int>("outcome");
    QTest::addColumn<qint64>("returned"); // credit handed back by Enter, -1 if none

    const State aw = State::AwaitingGuess, win = State::ShowingWin, none = State::NothingAtStake;
    const Card q = Card::MysteryCard, d = Card::Dollar, x = Card::RedX;
    // clang-format off
    QTest::newRow("awaiting, right guess")   << aw << Action::Veca   << win  << 2000LL << 5000LL << d << 1 << 1000LL << 2 << 2 << -1LL;
    QTest::newRow("awaiting, wrong guess")   << aw << Action::Manja  << none << 0LL    << 5000LL << x << 0 << 0LL    << 1 << 1 << -1LL;
    QTest::newRow("awaiting, Delete")        << aw << Action::Delete << aw   << 500LL  << 5500LL << q << 0 << 0LL    << 1 << 1 << -1LL;
    QTest::newRow("awaiting, End")           << aw << Action::End    << none << 0LL    << 6000LL << x << 0 << 0LL    << 1 << 1 << -1LL;
    QTest::newRow("awaiting, Enter")         << aw << Action::Enter  << none << 0LL    << 0LL    << q << 0 << 0LL    << 1 << 1 << 6000LL;
    QTest::newRow("awaiting, display tick")  << aw << Action::DisplayTick << aw << 1000LL << 5000LL << q << 0 << 0LL << 1 << 1 << -1LL;
    QTest::newRow("showing win, Veca")       << win << Action::Veca   << win  << 2000LL << 5000LL << d << 1 << 1000LL << 2 << 2 << -1LL;
    QTest::newRow("showing win, right Manja") << win << Action::Manja << win  << 2000LL << 5000LL << d << 1 << 1000LL << 2 << 2 << -1LL;
    QTest::newRow("showing win, Delete")     << win << Action::Delete << win  << 1000LL << 6000LL << d << 1 << 1000LL << 2 << 2 << -1LL;
    QTest::newRow("showing win, End")        << win << Action::End    << none << 0LL    << 7000LL << x << 1 << 1000LL << 2 << 2 << -1LL;
    QTest::newRow("showing win, Enter")      << win << Action::Enter  << none << 0LL    << 0LL    << d << 1 << 1000LL << 2 << 2 << 7000LL;
    QTest::newRow("showing win, display tick") << win << Action::DisplayTick << win << 2000LL << 5000LL << d << 1 << 1000LL << 2 << 2 << -1LL;
    QTest::newRow("showing win, pause ends") << win << Action::PauseEnds << aw << 2000LL << 5000LL << q << 1 << 1000LL << 2 << 2 << -1LL;
    QTest::newRow("nothing, Veca")           << none << Action::Veca   << none << 0LL << 5000LL << x << 0 << 0LL << 1 << 1 << -1LL;
    QTest::newRow("nothing, Manja")          << none << Action::Manja  << none << 0LL << 5000LL << x << 0 << 0LL << 1 << 1 << -1LL;
    QTest::newRow("nothing, Delete")         << none << Action::Delete << none << 0LL << 5000LL << x << 0 << 0LL << 1 << 1 << -1LL;
    QTest::newRow("nothing, End")            << none << Action::End    << none << 0LL << 5000LL << x << 0 << 0LL << 1 << 1 << -1LL;
    QTest::newRow("nothing, Enter")          << none << Action::Enter  << none << 0LL << 0LL    << x << 0 << 0LL << 1 << 1 << 5000LL;
    QTest::newRow("nothing, pause ends")     << none << Action::PauseEnds << none << 0LL << 5000LL << x << 0 << 0LL << 1 << 1 << -1LL;
    // clang-format on
}

void DoubleUpTest::stateTable() {
    QFETCH(State, from);
    QFETCH(Action, action);
    ScriptedRandom random{veca, manja};
    DoubleUp game(random);
    start(game, 1000, 5000);
    if (from == State::ShowingWin)
        QCOMPARE(game.guess(Guess::Higher), DoubleUp::GuessResult::Right);
    if (from == State::NothingAtStake)
        QCOMPARE(game.guess(Guess::Lower), DoubleUp::GuessResult::Wrong);
    QCOMPARE(game.state(), from);

    std::int64_t returned = -1;
    act(game, action, &returned);

    QTEST(game.state(), "state");
    QTEST(qint64(game.stake()), "stake");
    QTEST(qint64(game.credit()), "credit");
    QTEST(game.card(), "card");
    QTEST(game.rightGuesses(), "rightGuesses");
    QTEST(qint64(game.totalGained()), "total");
    QTEST(random.taken, "draws");
    QTEST(game.outcome(), "outcome");
    QTEST(qint64(returned), "returned");
    QCOMPARE(random.reseeds, 0);
}

void DoubleUpTest::guessesDuringThePauseChangeNothing() {
    ScriptedRandom random{veca, veca, manja};
    DoubleUp game(random);
    start(game, 1000, 5000);
    QCOMPARE(game.guess(Guess::Higher), DoubleUp::GuessResult::Right);
    // Pressed again and again, right or wrong: nothing moves, nothing is drawn.
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(game.guess(Guess::Higher), DoubleUp::GuessResult::Ignored);
        QCOMPARE(game.guess(Guess::Lower), DoubleUp::GuessResult::Ignored);
    }
    QCOMPARE(game.stake(), 2000);
    QCOMPARE(game.rightGuesses(), 1);
    QCOMPARE(game.outcome(), 1);
    QCOMPARE(random.taken, 2);
    QCOMPARE(game.card(), Card::Dollar);

    game.pauseEnded();
    QCOMPARE(game.guess(Guess::Higher), DoubleUp::GuessResult::Right);
    QCOMPARE(game.stake(), 4000);
    QCOMPARE(game.rightGuesses(), 2);
    QCOMPARE(game.outcome(), 2);
    QCOMPARE(random.taken, 3);
}

void DoubleUpTest::endDuringThePause() {
    ScriptedRandom random{veca, manja};
    DoubleUp game(random);
    start(game, 1000, 5000);
    game.guess(Guess::Higher);
    game.cashAll();
    QCOMPARE(game.card(), Card::RedX);
    QCOMPARE(game.credit(), 7000);
    QCOMPARE(game.state(), State::NothingAtStake);
    QVERIFY(game.paused());
    QVERIFY(!game.displayTick()); // the red X already shows

    // The pause still ends as usual and puts the mystery card back, which
    // the next display tick replaces with the red X.
    game.pauseEnded();
    QVERIFY(!game.paused());
    QCOMPARE(game.card(), Card::MysteryCard);
    QVERIFY(game.displayTick());
    QCOMPARE(game.card(), Card::RedX);
    QVERIFY(!game.displayTick());
    QCOMPARE(game.guess(Guess::Lower), DoubleUp::GuessResult::Ignored);
    QCOMPARE(game.credit(), 7000);
}

void DoubleUpTest::deleteDuringThePause() {
    ScriptedRandom random{veca, manja};
    DoubleUp game(random);
    start(game, 1000, 5000);
    game.guess(Guess::Higher);
    QVERIFY(game.cashHalf());
    QVERIFY(game.cashHalf());
    QCOMPARE(game.stake(), 500);
    QCOMPARE(game.credit(), 6500);
    QCOMPARE(game.card(), Card::Dollar);
    QCOMPARE(game.state(), State::ShowingWin);
    QCOMPARE(game.outcome(), 2);
    QCOMPARE(random.taken, 2);
    game.pauseEnded();
    QCOMPARE(game.card(), Card::MysteryCard);
    QCOMPARE(game.state(), State::AwaitingGuess);
}

void DoubleUpTest::totalGainedCountsWhatEachGuessGained() {
    ScriptedRandom random{veca, manja, veca, veca};
    DoubleUp game(random);
    start(game, 1000, 0);
    game.guess(Guess::Higher); // 1000 -> 2000, gained 1000
    game.pauseEnded();
    game.guess(Guess::Lower); // 2000 -> 4000, gained 2000
    game.pauseEnded();
    game.cashHalf();           // 4000 -> 2000
    game.guess(Guess::Higher); // 2000 -> 4000, gained 2000
    QCOMPARE(game.totalGained(), 5000);
    QCOMPARE(game.stake(), 4000);
    QCOMPARE(game.credit(), 2000);
    QCOMPARE(game.rightGuesses(), 3);
    game.pauseEnded();
    game.guess(Guess::Lower); // wrong: the total and the count stay
    QCOMPARE(game.totalGained(), 5000);
    QCOMPARE(game.rightGuesses(), 3);
    QCOMPARE(game.stake(), 0);
}

void DoubleUpTest::cashHalfKeepsTheMoneyWhole_data() {
    QTest::addColumn<qint64>("stake");
    QTest::addColumn<qint64>("toCredit");
    QTest::addColumn<qint64>("left");
    QTest::newRow("2000") << 2000LL << 1000LL << 1000LL;
    QTest::newRow("125: the tie goes down to 62") << 125LL << 62LL << 63LL;
    QTest::newRow("75: the tie goes up to 38") << 75LL << 38LL << 37LL;
    QTest::newRow("3") << 3LL << 2LL << 1LL;
    QTest::newRow("2") << 2LL << 1LL << 1LL;
    QTest::newRow("1 has no half") << 1LL << 0LL << 1LL;
    QTest::newRow("the limit") << 2147483647LL << 1073741824LL << 1073741823LL;
}

void DoubleUpTest::cashHalfKeepsTheMoneyWhole() {
    QFETCH(qint64, stake);
    QFETCH(qint64, toCredit);
    QFETCH(qint64, left);
    ScriptedRandom random{manja};
    DoubleUp game(random);
    start(game, stake, 40);
    QCOMPARE(game.cashHalf(), toCredit != 0);
    QCOMPARE(qint64(game.credit()), 40 + toCredit);
    QCOMPARE(qint64(game.stake()), left);
    QCOMPARE(qint64(game.credit() + game.stake()), 40 + stake);
    // Neither the picture nor the outcome moves.
    QCOMPARE(game.card(), Card::MysteryCard);
    QVERIFY(!game.displayTick());
    QCOMPARE(game.outcome(), 2);
    QCOMPARE(random.taken, 1);
}

void DoubleUpTest::doublingStopsAtTheLimit_data() {
    QTest::addColumn<qint64>("stake");
    QTest::addColumn<qint64>("credit");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("doubles to one below the ceiling") << 1073741823LL << 100LL << true;
    QTest::newRow("would pass the ceiling by one") << 1073741824LL << 100LL << false;
    QTest::newRow("at the ceiling") << 2147483647LL << 100LL << false;
    // A doubled stake the credit could not take in could never be cashed.
    QTest::newRow("the credit can take the doubled stake")
        << 1000LL << qint64(money::maxAmount - 2000) << true;
    QTest::newRow("the credit could not take it")
        << 1000LL << qint64(money::maxAmount - 1999) << false;
}

void DoubleUpTest::doublingStopsAtTheLimit() {
    QFETCH(qint64, stake);
    QFETCH(qint64, credit);
    QFETCH(bool, accepted);
    // Both keys are refused, the one that would win and the one that would lose.
    for (Guess guess : {Guess::Higher, Guess::Lower}) {
        ScriptedRandom random{veca, manja};
        DoubleUp game(random);
        start(game, stake, credit);
        const auto result = game.guess(guess);
        if (!accepted) {
            QCOMPARE(result, DoubleUp::GuessResult::Ignored);
            QCOMPARE(qint64(game.stake()), stake);
            QCOMPARE(game.state(), State::AwaitingGuess);
            QCOMPARE(random.taken, 1);
        } else if (guess == Guess::Higher) {
            QCOMPARE(result, DoubleUp::GuessResult::Right);
            QCOMPARE(qint64(game.stake()), 2 * stake);
        } else {
            QCOMPARE(result, DoubleUp::GuessResult::Wrong);
        }
        QVERIFY(game.stake() <= DoubleUp::stakeCeiling);
        // Cashing and returning still work.
        const std::int64_t whole = game.credit() + game.stake();
        QCOMPARE(leave(game), whole);
    }
}

void DoubleUpTest::endlessRightGuessesStopAtTheLimit() {
    // With the outcome on show every guess could be right.
    ScriptedRandom random;
    for (int i = 0; i < 40; ++i)
        random.push(veca);
    DoubleUp game(random);
    start(game, 2000, 0);
    int accepted = 0;
    for (int i = 0; i < 30; ++i) {
        if (game.guess(Guess::Higher) == DoubleUp::GuessResult::Right)
            ++accepted;
        game.pauseEnded();
    }
    QCOMPARE(accepted, 20);
    QCOMPARE(game.stake(), 2000LL << 20);
    QCOMPARE(game.rightGuesses(), 20);
    QCOMPARE(game.state(), State::AwaitingGuess);
    game.cashAll();
    QCOMPARE(game.credit(), 2000LL << 20);
}

void DoubleUpTest::outcomeCode_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shows");
    QTest::newRow("exact") << "mundragolest" << true;
    QTest::newRow("capital first letter") << "Mundragolest" << false;
    QTest::newRow("all capitals") << "MUNDRAGOLEST" << false;
    QTest::newRow("trailing blank") << "mundragolest " << false;
    QTest::newRow("leading blank") << " mundragolest" << false;
    QTest::newRow("shorter") << "mundragoles" << false;
    QTest::newRow("default name") << "Igrac 1" << false;
    QTest::newRow("empty") << "" << false;
}

void DoubleUpTest::outcomeCode() {
    QFETCH(QString, name);
    QTEST(DoubleUp::showsOutcome(name), "shows");
}

void DoubleUpTest::secondVisitStartsAfresh() {
    ScriptedRandom random{veca, manja, veca, manja};
    DoubleUp game(random);
    start(game, 1000, 5000);
    game.guess(Guess::Higher);
    QVERIFY(game.paused());
    QCOMPARE(leave(game), 7000);
    start(game, 300, 100);
    QCOMPARE(game.state(), State::AwaitingGuess);
    QCOMPARE(game.stake(), 300);
    QCOMPARE(game.credit(), 100);
    QCOMPARE(game.rightGuesses(), 0);
    QCOMPARE(game.totalGained(), 0);
    QCOMPARE(game.card(), Card::MysteryCard);
    QVERIFY(!game.paused());
    QCOMPARE(game.outcome(), 1);
    QCOMPARE(game.guess(Guess::Higher), DoubleUp::GuessResult::Right);
}

void DoubleUpTest::entryWithNothingAtStake() {
    ScriptedRandom random{veca};
    DoubleUp game(random);
    start(game, 0, 5000);
    QCOMPARE(game.state(), State::NothingAtStake);
    QCOMPARE(game.stake(), 0);
    QVERIFY(game.displayTick());
    QCOMPARE(game.card(), Card::RedX);
    QCOMPARE(game.guess(Guess::Higher), DoubleUp::GuessResult::Ignored);
    QVERIFY(!game.cashHalf());
    QCOMPARE(leave(game), 5000);
}

QTEST_GUILESS_MAIN(DoubleUpTest)
#include "test_doubleup.moc"
