// The card table's game played hand by hand with scripted random numbers:
// stakes, spins, holds, payouts, the bonus, cash and the hand-over.

#include "card_table/handcycle.h"
#include "testsupport.h"

#include <QTest>
#include <cmath>

using Step = HandCycle::Step;
using Tick = HandCycle::Tick;

Q_DECLARE_METATYPE(HandState)
Q_DECLARE_METATYPE(StakeKey)

namespace {
constexpr Amount maxAmount = money::maxAmount;

CardColour colourOfLetter(QChar letter) {
    switch (letter.unicode()) {
    case 'R':
        return CardColour::Red;
    case 'B':
        return CardColour::Blue;
    case 'Y':
        return CardColour::Yellow;
    default:
        return CardColour::Green;
    }
}

// Queues the numbers that draw these colours ("RBYGR": red, blue, ...).
void script(ScriptedRandom& random, const QString& cards) {
    for (QChar letter : cards)
        random.push(ScriptedRandom::forDrawCode(static_cast<int>(colourOfLetter(letter))));
}

QString coloursOf(const HandCycle& hand) {
    QString letters;
    for (int card = 1; card <= HandCycle::cardCount; ++card) {
        const auto colour = hand.colour(card);
        letters += !colour                         ? QChar(u'-')
                   : *colour == CardColour::Red    ? QChar(u'R')
                   : *colour == CardColour::Blue   ? QChar(u'B')
                   : *colour == CardColour::Yellow ? QChar(u'Y')
                                                   : QChar(u'G');
    }
    return letters;
}

// A table whose game opened with this credit.
HandCycle opened(ScriptedRandom& random, Amount credit) {
    HandCycle hand(random);
    hand.open(credit);
    return hand;
}

void press(HandCycle& hand, StakeKey key, int times = 1) {
    for (int i = 0; i < times; ++i)
        hand.stakeKey(key);
}

// One whole hand: start, the first draw, stop, hold, the second draw, stop.
// Holds are card numbers as digits ("24"). Leaves the hand in Result.
void playToResult(HandCycle& hand, ScriptedRandom& random, const QString& first,
                  const QString& holds, const QString& second) {
    QCOMPARE(hand.enter().step, Step::Start);
    script(random, first);
    hand.drawTick();
    QCOMPARE(hand.enter().step, Step::FirstStop);
    for (QChar digit : holds)
        hand.toggleHold(digit.digitValue());
    QCOMPARE(hand.enter().step, Step::Respin);
    script(random, second);
    hand.drawTick();
    QCOMPARE(hand.enter().step, Step::SecondStop);
    QCOMPARE(hand.state(), HandState::Result);
}

// A stake that is no multiple of 50 only comes from a credit below 50
// becoming the stake; reach any stake the way a player would, on a table not
// opened yet, which then holds the credit wanted (as after the double-up's
// return).
void reachStake(HandCycle& hand, ScriptedRandom& random, std::int64_t stake, std::int64_t credit) {
    const std::int64_t odd = stake % 50;
    if (odd != 0) {
        hand.open(odd);
        playToResult(hand, random, QStringLiteral("RBYGR"), QString(), QStringLiteral("RBYGR"));
        hand.enter();
        QCOMPARE(hand.stake(), odd);
        hand.takeBackCredit(purseOf(credit));
    } else {
        hand.open(credit);
    }
    press(hand, StakeKey::F4, static_cast<int>((stake - odd) / 1000));
    press(hand, StakeKey::F2, static_cast<int>((stake - odd) % 1000 / 50));
    QCOMPARE(hand.stake(), stake);
}

void bringTo(HandCycle& hand, ScriptedRandom& random, HandState state, bool withWin) {
    if (state == HandState::Idle)
        return;
    QCOMPARE(hand.enter().step, Step::Start);
    if (state == HandState::FirstSpin)
        return;
    script(random, QStringLiteral("RBYGR"));
    hand.drawTick();
    hand.enter();
    if (state == HandState::Hold)
        return;
    hand.enter();
    if (state == HandState::SecondSpin)
        return;
    script(random, withWin ? QStringLiteral("GGGGG") : QStringLiteral("RBYGR"));
    hand.drawTick();
    hand.enter();
}
} // namespace

class HandCycleTest : public QObject {
    Q_OBJECT
private slots:
    void workedFigures_data();
    void workedFigures();
    void aLostHandLeavesTheRestAsStake();
    void secondStopJudgement_data();
    void secondStopJudgement();
    void enterInIdle_data();
    void enterInIdle();
    void stakeKeysInIdle_data();
    void stakeKeysInIdle();
    void stakeKeysOutsideIdle_data();
    void stakeKeysOutsideIdle();
    void holdKeysActOnlyBetweenSpins_data();
    void holdKeysActOnlyBetweenSpins();
    void heldCardsKeepTheirColourAndTakeNoNumber();
    void allFiveHeld();
    void drawCodes_data();
    void drawCodes();
    void aStopBeforeTheFirstDrawDrawsTheCards();
    void bonusIsPaidOnce_data();
    void bonusIsPaidOnce();
    void cashTurnsTheHandDown_data();
    void cashTurnsTheHandDown();
    void handOverClearsTheHand();
    void paintingFollowsTheColours();
    void amountsNeverWrap();
};

void HandCycleTest::workedFigures_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<qint64>("creditAfterFirstStop");
    QTest::addColumn<qint64>("win");
    QTest::addColumn<qint64>("creditAfterCash");
    // Credit 2,000 and stake 1,960: Start leaves 40.
    QTest::newRow("bonus, then four")
        << "RRRRR"
        << "BBBBG" << qint64(40 + 7840) << qint64(3920) << qint64(40 + 7840 + 3920);
    QTest::newRow("four of a colour") << "RBYGR"
                                      << "GGGGR" << qint64(40) << qint64(3920) << qint64(3960);
    QTest::newRow("five of a colour") << "RBYGR"
                                      << "YYYYY" << qint64(40) << qint64(9800) << qint64(9840);
    QTest::newRow("three and two") << "RBYGR"
                                   << "RRRBB" << qint64(40) << qint64(0) << qint64(40);
}

void HandCycleTest::workedFigures() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(qint64, creditAfterFirstStop);
    QFETCH(qint64, win);
    QFETCH(qint64, creditAfterCash);
    ScriptedRandom random;
    HandCycle hand(random);
    reachStake(hand, random, 1960, 2000);

    QCOMPARE(hand.enter().step, Step::Start);
    QCOMPARE(hand.credit(), 40);
    script(random, first);
    hand.drawTick();
    hand.enter();
    QCOMPARE(hand.credit(), creditAfterFirstStop);
    hand.enter();
    script(random, second);
    hand.drawTick();
    hand.enter();
    // The win waits beside the credit until Enter cashes it.
    QCOMPARE(hand.credit(), creditAfterFirstStop);
    QCOMPARE(hand.win(), win);
    QCOMPARE(hand.stake(), 1960);
    QCOMPARE(hand.enter().step, Step::Cash);
    QCOMPARE(hand.credit(), creditAfterCash);
    QCOMPARE(hand.state(), HandState::Idle);
    QCOMPARE(random.left(), std::size_t(0));
}

void HandCycleTest::aLostHandLeavesTheRestAsStake() {
    ScriptedRandom random;
    HandCycle hand(random);
    reachStake(hand, random, 1960, 2000);
    playToResult(hand, random, QStringLiteral("RBYGR"), QString(), QStringLiteral("RRRBB"));
    hand.enter();
    QCOMPARE(hand.credit(), 40);
    // The 40 left is below the smallest stake step, so it becomes the stake.
    QCOMPARE(hand.enter().step, Step::Start);
    QCOMPARE(hand.stake(), 40);
    QCOMPARE(hand.credit(), 0);
}

void HandCycleTest::secondStopJudgement_data() {
    QTest::addColumn<QString>("cards");
    QTest::addColumn<qint64>("win"); // stake 100
    for (const char* five : {"RRRRR", "BBBBB", "YYYYY", "GGGGG"})
        QTest::newRow(five) << five << qint64(500);
    for (const char* four : {"BRRRR", "RBRRR", "RRYRR", "GGGRG", "YYYYG", "GBGGG"})
        QTest::newRow(four) << four << qint64(200);
    for (const char* none : {"RRRBB", "YGYGY", "RRBBY", "RBYGR", "GGGYB", "BYBYB"})
        QTest::newRow(none) << none << qint64(0);
}

void HandCycleTest::secondStopJudgement() {
    QFETCH(QString, cards);
    QFETCH(qint64, win);
    ScriptedRandom random;
    HandCycle hand = opened(random, 1000);
    press(hand, StakeKey::F2, 2);
    playToResult(hand, random, QStringLiteral("RBYGR"), QString(), cards);
    QCOMPARE(coloursOf(hand), cards);
    QCOMPARE(hand.win(), win);
    QCOMPARE(hand.credit(), 900);
    hand.enter();
    QCOMPARE(hand.credit(), 900 + win);
}

void HandCycleTest::enterInIdle_data() {
    QTest::addColumn<qint64>("credit");
    QTest::addColumn<qint64>("stake");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<qint64>("stakeAfter");
    QTest::addColumn<qint64>("creditAfter");
    QTest::newRow("credit 30, stake 1,000")
        << qint64(30) << qint64(1000) << true << qint64(30) << qint64(0);
    QTest::newRow("credit 30, stake 0")
        << qint64(30) << qint64(0) << true << qint64(30) << qint64(0);
    QTest::newRow("credit 49, stake 50")
        << qint64(49) << qint64(50) << true << qint64(49) << qint64(0);
    QTest::newRow("credit 1, stake 0") << qint64(1) << qint64(0) << true << qint64(1) << qint64(0);
    QTest::newRow("credit 50, stake 1,000")
        << qint64(50) << qint64(1000) << false << qint64(1000) << qint64(50);
    QTest::newRow("credit 50, stake 50")
        << qint64(50) << qint64(50) << true << qint64(50) << qint64(0);
    QTest::newRow("credit 0, stake 0") << qint64(0) << qint64(0) << false << qint64(0) << qint64(0);
    QTest::newRow("credit 0, stake 50")
        << qint64(0) << qint64(50) << false << qint64(50) << qint64(0);
    QTest::newRow("stake 0") << qint64(2000) << qint64(0) << false << qint64(0) << qint64(2000);
    QTest::newRow("stake equals credit")
        << qint64(2000) << qint64(2000) << true << qint64(2000) << qint64(0);
    QTest::newRow("stake above credit")
        << qint64(2000) << qint64(2050) << false << qint64(2050) << qint64(2000);
    // The bonus and then five of a colour bring eight stakes on top of the credit.
    QTest::newRow("the best outcome just fits") << qint64(maxAmount - 8000) << qint64(1000) << true
                                                << qint64(1000) << qint64(maxAmount - 9000);
    QTest::newRow("the best outcome would pass the limit")
        << qint64(maxAmount - 7999) << qint64(1000) << false << qint64(1000)
        << qint64(maxAmount - 7999);
}

void HandCycleTest::enterInIdle() {
    QFETCH(qint64, credit);
    QFETCH(qint64, stake);
    QFETCH(bool, starts);
    QFETCH(qint64, stakeAfter);
    QFETCH(qint64, creditAfter);
    ScriptedRandom random;
    HandCycle hand(random);
    reachStake(hand, random, stake, credit);
    QCOMPARE(hand.enter().step, starts ? Step::Start : Step::Nothing);
    QCOMPARE(hand.state(), starts ? HandState::FirstSpin : HandState::Idle);
    QCOMPARE(hand.drawing(), starts);
    QCOMPARE(hand.stake(), stakeAfter);
    QCOMPARE(hand.credit(), creditAfter);
}

void HandCycleTest::stakeKeysInIdle_data() {
    QTest::addColumn<qint64>("stake");
    QTest::addColumn<StakeKey>("key");
    QTest::addColumn<qint64>("after");
    QTest::newRow("0, F1") << qint64(0) << StakeKey::F1 << qint64(0);
    QTest::newRow("0, F2") << qint64(0) << StakeKey::F2 << qint64(50);
    QTest::newRow("0, F3") << qint64(0) << StakeKey::F3 << qint64(0);
    QTest::newRow("0, F4") << qint64(0) << StakeKey::F4 << qint64(1000);
    QTest::newRow("30, F1") << qint64(30) << StakeKey::F1 << qint64(30);
    QTest::newRow("30, F2") << qint64(30) << StakeKey::F2 << qint64(80);
    QTest::newRow("50, F1") << qint64(50) << StakeKey::F1 << qint64(0);
    QTest::newRow("1,030, F3") << qint64(1030) << StakeKey::F3 << qint64(30);
    QTest::newRow("999, F3") << qint64(999) << StakeKey::F3 << qint64(999);
    QTest::newRow("1,000, F3") << qint64(1000) << StakeKey::F3 << qint64(0);
    QTest::newRow("above the credit, F4") << qint64(5000) << StakeKey::F4 << qint64(6000);
}

void HandCycleTest::stakeKeysInIdle() {
    QFETCH(qint64, stake);
    QFETCH(StakeKey, key);
    QFETCH(qint64, after);
    ScriptedRandom random;
    HandCycle hand(random);
    reachStake(hand, random, stake, 2000);
    hand.stakeKey(key);
    QCOMPARE(hand.stake(), after);
    QCOMPARE(hand.state(), HandState::Idle);
    QCOMPARE(hand.credit(), 2000);
}

void HandCycleTest::stakeKeysOutsideIdle_data() {
    QTest::addColumn<HandState>("state");
    QTest::addColumn<bool>("withWin");
    QTest::newRow("first spin") << HandState::FirstSpin << false;
    QTest::newRow("hold") << HandState::Hold << false;
    QTest::newRow("second spin") << HandState::SecondSpin << false;
    QTest::newRow("result without win") << HandState::Result << false;
    QTest::newRow("result with win") << HandState::Result << true;
}

void HandCycleTest::stakeKeysOutsideIdle() {
    QFETCH(HandState, state);
    QFETCH(bool, withWin);
    ScriptedRandom random;
    HandCycle hand(random);
    reachStake(hand, random, 1050, 5000);
    bringTo(hand, random, state, withWin);
    QCOMPARE(hand.state(), state);
    for (StakeKey key : {StakeKey::F1, StakeKey::F2, StakeKey::F3, StakeKey::F4})
        hand.stakeKey(key);
    QCOMPARE(hand.stake(), 1050);
    QCOMPARE(hand.state(), state);
}

void HandCycleTest::holdKeysActOnlyBetweenSpins_data() {
    QTest::addColumn<HandState>("state");
    QTest::addColumn<bool>("acts");
    QTest::newRow("idle") << HandState::Idle << false;
    QTest::newRow("first spin") << HandState::FirstSpin << false;
    QTest::newRow("hold") << HandState::Hold << true;
    QTest::newRow("second spin") << HandState::SecondSpin << false;
    QTest::newRow("result") << HandState::Result << false;
}

void HandCycleTest::holdKeysActOnlyBetweenSpins() {
    QFETCH(HandState, state);
    QFETCH(bool, acts);
    ScriptedRandom random;
    HandCycle hand = opened(random, 2000);
    hand.stakeKey(StakeKey::F2);
    bringTo(hand, random, state, false);
    hand.toggleHold(2);
    hand.toggleHold(5);
    hand.toggleHold(5);
    hand.toggleHold(0); // no such card
    hand.toggleHold(6);
    for (int card = 1; card <= HandCycle::cardCount; ++card)
        QCOMPARE(hand.held(card), acts && card == 2);
}

void HandCycleTest::heldCardsKeepTheirColourAndTakeNoNumber() {
    ScriptedRandom random;
    HandCycle hand = opened(random, 2000);
    hand.stakeKey(StakeKey::F2);
    hand.enter();
    script(random, QStringLiteral("RBYGR"));
    hand.drawTick();
    hand.enter();
    hand.toggleHold(2);
    hand.toggleHold(4);
    hand.enter();
    const int reseeds = random.reseeds;
    // Cards 1, 3 and 5 are drawn, in that order.
    script(random, QStringLiteral("YGB"));
    hand.drawTick();
    QCOMPARE(random.reseeds, reseeds + 1);
    QCOMPARE(random.left(), std::size_t(0));
    QCOMPARE(coloursOf(hand), QStringLiteral("YBGGB"));
    hand.enter();
    // The markers stay over the held cards until the hand ends.
    QVERIFY(hand.held(2) && hand.held(4));
    hand.enter();
    QVERIFY(!hand.held(2) && !hand.held(4));
}

void HandCycleTest::allFiveHeld() {
    ScriptedRandom random;
    HandCycle hand = opened(random, 2000);
    hand.stakeKey(StakeKey::F2);
    hand.enter();
    script(random, QStringLiteral("GGBGG"));
    hand.drawTick();
    hand.enter();
    for (int card = 1; card <= HandCycle::cardCount; ++card)
        hand.toggleHold(card);
    hand.enter();
    const int taken = random.taken;
    const int reseeds = random.reseeds;
    hand.drawTick();
    hand.drawTick();
    QCOMPARE(random.taken, taken);
    QCOMPARE(random.reseeds, reseeds + 2);
    hand.enter();
    QCOMPARE(coloursOf(hand), QStringLiteral("GGBGG"));
    QCOMPARE(hand.win(), 100);
}

void HandCycleTest::drawCodes_data() {
    QTest::addColumn<float>("number");
    QTest::addColumn<QString>("colour");
    QTest::newRow("0") << 0.0f << "R";
    QTest::newRow("just below a quarter") << std::nextafter(0.25f, 0.0f) << "R";
    QTest::newRow("a quarter") << 0.25f << "B";
    QTest::newRow("a half") << 0.5f << "Y";
    QTest::newRow("three quarters") << 0.75f << "G";
    // At single precision r * 4 + 1 rounds up to 5 here; at double it stays below.
    QTest::newRow("largest below 1") << std::nextafter(1.0f, 0.0f) << "G";
}

void HandCycleTest::drawCodes() {
    QFETCH(float, number);
    QFETCH(QString, colour);
    ScriptedRandom random;
    HandCycle hand = opened(random, 2000);
    hand.stakeKey(StakeKey::F2);
    hand.enter();
    for (int i = 0; i < HandCycle::cardCount; ++i)
        random.push(number);
    hand.drawTick();
    QCOMPARE(coloursOf(hand), colour.repeated(5));
}

// Enter steps the hand at every press, however soon after the last one: a
// stop before the spin's first draw draws the cards then, so it shows and
// judges cards of this hand, never those of the last.
void HandCycleTest::aStopBeforeTheFirstDrawDrawsTheCards() {
    ScriptedRandom random;
    HandCycle hand = opened(random, 2000);
    hand.stakeKey(StakeKey::F2);
    playToResult(hand, random, QStringLiteral("RBYGR"), QString(), QStringLiteral("GGGGG"));
    hand.enter();

    // The next hand's cards still hold the last hand's five greens.
    QCOMPARE(hand.enter().step, Step::Start);
    script(random, QStringLiteral("BBBBB"));
    const HandCycle::Change stop = hand.enter();
    QCOMPARE(stop.step, Step::FirstStop);
    QCOMPARE(stop.painting, Tick::Start);
    QCOMPARE(coloursOf(hand), QStringLiteral("BBBBB"));
    QCOMPARE(hand.credit(), 2000 - 50 + 250 - 50 + 200);
    QCOMPARE(hand.enter().step, Step::Respin);
    script(random, QStringLiteral("RBYGR"));
    QCOMPARE(hand.enter().step, Step::SecondStop);
    QCOMPARE(coloursOf(hand), QStringLiteral("RBYGR"));
    QCOMPARE(hand.win(), 0);
    QCOMPARE(random.left(), std::size_t(0));
}

void HandCycleTest::bonusIsPaidOnce_data() {
    QTest::addColumn<QString>("second");
    QTest::addColumn<qint64>("win");
    QTest::newRow("no win after it") << "RBYGR" << qint64(0);
    QTest::newRow("four after it") << "RRRRG" << qint64(200);
    QTest::newRow("five after it") << "RRRRR" << qint64(500);
}

void HandCycleTest::bonusIsPaidOnce() {
    QFETCH(QString, second);
    QFETCH(qint64, win);
    ScriptedRandom random;
    HandCycle hand = opened(random, 1000);
    press(hand, StakeKey::F2, 2);
    hand.enter();
    script(random, QStringLiteral("BBBBB"));
    hand.drawTick();
    hand.enter();
    QCOMPARE(hand.credit(), 900 + 400);
    // Already in the credit: not also waiting as a win to cash or gamble.
    QCOMPARE(hand.win(), 0);
    hand.enter();
    script(random, second);
    hand.drawTick();
    hand.enter();
    QCOMPARE(hand.win(), win);
    QCOMPARE(hand.canHandOver(), win > 0);
    hand.enter();
    QCOMPARE(hand.credit(), 1300 + win);
}

void HandCycleTest::cashTurnsTheHandDown_data() {
    QTest::addColumn<bool>("withWin");
    QTest::newRow("with a win") << true;
    QTest::newRow("without a win") << false;
}

void HandCycleTest::cashTurnsTheHandDown() {
    QFETCH(bool, withWin);
    ScriptedRandom random;
    HandCycle hand = opened(random, 2000);
    press(hand, StakeKey::F2, 2);
    playToResult(hand, random, QStringLiteral("YYBYR"), QStringLiteral("124"),
                 withWin ? QStringLiteral("YG") : QStringLiteral("GG"));
    hand.paintTick();
    QCOMPARE(hand.face(1), CardColour::Yellow);
    const HandCycle::Change cash = hand.enter();
    QCOMPARE(cash.step, Step::Cash);
    QVERIFY(cash.cleared);
    QCOMPARE(cash.painting, Tick::Stop);
    QCOMPARE(hand.state(), HandState::Idle);
    QCOMPARE(hand.credit(), withWin ? 2100 : 1900);
    QCOMPARE(hand.win(), 0);
    QVERIFY(!hand.painting());
    QVERIFY(!hand.drawing());
    for (int card = 1; card <= HandCycle::cardCount; ++card) {
        QVERIFY(!hand.held(card));
        QCOMPARE(hand.face(card), std::nullopt);
        // The cards keep their colours; only the faces are turned down.
        QVERIFY(hand.colour(card).has_value());
    }
    QVERIFY(!hand.paintTick().faces);
    QCOMPARE(hand.face(1), std::nullopt);
}

void HandCycleTest::handOverClearsTheHand() {
    ScriptedRandom random;
    HandCycle hand = opened(random, 2000);
    press(hand, StakeKey::F4);
    playToResult(hand, random, QStringLiteral("RRGRB"), QStringLiteral("1234"),
                 QStringLiteral("R"));
    hand.paintTick();
    Purse win;
    Purse credit;
    QVERIFY(hand.handOver(win, credit).cleared);
    QCOMPARE(win.amount(), 2000);
    QCOMPARE(credit.amount(), 1000);
    // The double-up carries both while it is open.
    QCOMPARE(hand.credit(), 0);
    QCOMPARE(hand.state(), HandState::Idle);
    QCOMPARE(hand.win(), 0);
    QVERIFY(!hand.painting());
    for (int card = 1; card <= HandCycle::cardCount; ++card) {
        QVERIFY(!hand.held(card));
        QCOMPARE(hand.face(card), std::nullopt);
    }
    // The double-up brings back its credit; the stake is as before.
    hand.takeBackCredit(purseOf(4000));
    QCOMPARE(hand.enter().step, Step::Start);
    QCOMPARE(hand.credit(), 3000);
    QVERIFY(hand.painting());
}

void HandCycleTest::paintingFollowsTheColours() {
    ScriptedRandom random;
    HandCycle hand = opened(random, 2000);
    hand.stakeKey(StakeKey::F2);
    // A new table paints nothing: its cards have no colour.
    QVERIFY(hand.painting());
    QVERIFY(!hand.paintTick().faces);
    QCOMPARE(hand.face(1), std::nullopt);
    QCOMPARE(hand.enter().painting, Tick::Unchanged);

    script(random, QStringLiteral("RBYGR"));
    // The faces follow at the painting's tick, not at the draw's.
    QCOMPARE(hand.drawTick().painting, Tick::Start);
    QCOMPARE(hand.face(2), std::nullopt);
    QVERIFY(hand.paintTick().faces);
    QCOMPARE(hand.face(2), CardColour::Blue);
    QVERIFY(!hand.paintTick().faces);
    hand.enter();
    hand.enter();
    script(random, QStringLiteral("GGGGG"));
    hand.drawTick();
    hand.enter();
    hand.paintTick();
    hand.enter();
    QCOMPARE(hand.face(2), std::nullopt);

    // The next hand shows the last hand's colours until its first draw.
    QCOMPARE(hand.enter().painting, Tick::Start);
    hand.paintTick();
    QCOMPARE(hand.face(2), CardColour::Green);
}

void HandCycleTest::amountsNeverWrap() {
    // No money may appear or vanish at the limit: a hand that starts can pay
    // its bonus and its win in full.
    ScriptedRandom random;
    HandCycle hand(random);
    press(hand, StakeKey::F4);
    hand.open(maxAmount - 8000);
    hand.enter();
    script(random, QStringLiteral("YYYYY"));
    hand.drawTick();
    hand.enter();
    QCOMPARE(hand.credit(), maxAmount - 5000);
    for (int card = 1; card <= HandCycle::cardCount; ++card)
        hand.toggleHold(card);
    hand.enter();
    hand.drawTick();
    hand.enter();
    QCOMPARE(hand.win(), 5000);
    QCOMPARE(hand.enter().step, Step::Cash);
    QCOMPARE(hand.credit(), maxAmount);
    QCOMPARE(hand.enter().step, Step::Nothing);
    QCOMPARE(hand.credit(), maxAmount);
    QCOMPARE(hand.stake(), 1000);
}

QTEST_APPLESS_MAIN(HandCycleTest)
#include "test_handcycle.moc"
