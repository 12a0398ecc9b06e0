// The card draw with the program's real random source, re-seeded from the
// clock on every draw tick as the card table does, the ticks run back to back
// as fast as the machine allows: 200,000 ticks of five cards must look like a
// million fair, independent draws of four colours, and no re-seed may restart
// a sequence.
//
// Thresholds. A fair draw should fail this test less than once in a million
// runs. There are six statistical checks; each is set to fail a fair draw
// with a chance of at most 1e-7, so together (Bonferroni) at most 6e-7. The
// checks that demand no repeat at all fail a fair draw with a chance below
// 1e-9 (see each).
// - Chi-square upper critical values at p = 1e-7: 35.41 for 3 degrees of
//   freedom (four colours), 62.33 for 15 (sixteen cells of a pair of
//   colours, tested against 1/16 each: even colours and independence at once).
// - Counts per tick (five of a colour, exactly four): binomial with n = 200,000
//   ticks and p = 4 x (1/4)^5 = 1/256 or 4 x 5 x (1/4)^4 x 3/4 = 15/256, bound
//   to mean +- 5.5 standard deviations. The normal approximation alone would
//   give 3.8e-8 outside; the exact binomial tails outside those bounds sum to
//   5.4e-8 (five) and 3.9e-8 (four).
// - Repeated first numbers: 200,000 numbers of 24 bits (M = 2^24 values) give
//   N - M(1 - (1 - 1/M)^N) = 1187.4 repeats on average, standard deviation
//   34.2 (the variance of the occupancy count); mean +- 5.5 standard
//   deviations leaves 6.0e-8 outside (Poisson tails).

#include "card_table/handcycle.h"
#include "common/random.h"

#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {
constexpr int ticks = 200'000;
constexpr int cards = HandCycle::cardCount;
constexpr double chiSquare3 = 35.41;
constexpr double chiSquare15 = 62.33;
constexpr double bound = 5.5;

// Passes the real source through and keeps every number as its 24 bits.
class Tap final : public RandomSource {
public:
    explicit Tap(RandomSource& source) : source_(source) { numbers.reserve(ticks * cards); }
    void reseed() override {
        ++reseeds;
        source_.reseed();
    }
    float next() override {
        const float number = source_.next();
        numbers.push_back(static_cast<std::uint32_t>(number * 16777216.0f));
        return number;
    }

    int reseeds = 0;
    std::vector<std::uint32_t> numbers;

private:
    RandomSource& source_;
};

template <std::size_t cells> double chiSquare(const std::array<std::int64_t, cells>& counts) {
    std::int64_t total = 0;
    for (std::int64_t count : counts)
        total += count;
    const double expected = static_cast<double>(total) / cells;
    double sum = 0;
    for (std::int64_t count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

bool withinBinomial(std::int64_t count, std::int64_t trials, double p) {
    const double mean = trials * p;
    const double spread = bound * std::sqrt(trials * p * (1 - p));
    return count >= mean - spread && count <= mean + spread;
}

QByteArray describe(double value, double low, double high) {
    return QStringLiteral("%1 outside [%2, %3]").arg(value).arg(low).arg(high).toUtf8();
}
} // namespace

class FairnessTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTickReseedsAndDrawsFiveCards();
    void coloursAreEven();
    void consecutiveTicksAreIndependent();
    void cardsOfOneTickAreIndependent();
    void fiveAndFourOfAColour();
    void noReseedRestartsASequence();
    void reseedsInARowDiffer();

private:
    ClockRandom clock_;
    Tap tap_{clock_};
    // Colour index 0..3 of card n at tick t: colours_[t * cards + n].
    std::vector<std::uint8_t> colours_;
};

void FairnessTest::initTestCase() {
    HandCycle hand(tap_);
    hand.open(2000);
    hand.stakeKey(StakeKey::F2);
    QCOMPARE(hand.enter().step, HandCycle::Step::Start);
    colours_.resize(static_cast<std::size_t>(ticks) * cards);
    std::uint8_t* colour = colours_.data();
    for (int tick = 0; tick < ticks; ++tick) {
        hand.drawTick();
        for (int card = 1; card <= cards; ++card)
            *colour++ = static_cast<std::uint8_t>(static_cast<int>(*hand.colour(card)) - 1);
    }
}

void FairnessTest::everyTickReseedsAndDrawsFiveCards() {
    QCOMPARE(tap_.reseeds, ticks);
    QCOMPARE(tap_.numbers.size(), colours_.size());
    // The colours are the numbers' quarters, so what holds for the numbers
    // below holds for the cards.
    std::size_t mismatches = 0;
    for (std::size_t n = 0; n < colours_.size(); ++n)
        mismatches += colours_[n] != tap_.numbers[n] >> 22 ? 1 : 0;
    QCOMPARE(mismatches, std::size_t(0));
}

void FairnessTest::coloursAreEven() {
    std::array<std::int64_t, 4> counts{};
    for (std::uint8_t colour : colours_)
        ++counts[colour];
    const double statistic = chiSquare(counts);
    QVERIFY2(statistic < chiSquare3, describe(statistic, 0, chiSquare3).constData());
}

void FairnessTest::consecutiveTicksAreIndependent() {
    // Each card at ticks 2k and 2k + 1: the pairs share no draw, so under a
    // fair draw they are independent of each other. A re-seed that restarted
    // the sequence would fill the diagonal.
    std::array<std::int64_t, 16> counts{};
    for (int tick = 0; tick + 1 < ticks; tick += 2)
        for (int card = 0; card < cards; ++card)
            ++counts[colours_[tick * cards + card] * 4 + colours_[(tick + 1) * cards + card]];
    const double statistic = chiSquare(counts);
    QVERIFY2(statistic < chiSquare15, describe(statistic, 0, chiSquare15).constData());
}

void FairnessTest::cardsOfOneTickAreIndependent() {
    // Cards 1 and 2, and cards 3 and 4, of every tick.
    std::array<std::int64_t, 16> counts{};
    for (int tick = 0; tick < ticks; ++tick) {
        const std::uint8_t* hand = &colours_[tick * cards];
        ++counts[hand[0] * 4 + hand[1]];
        ++counts[hand[2] * 4 + hand[3]];
    }
    const double statistic = chiSquare(counts);
    QVERIFY2(statistic < chiSquare15, describe(statistic, 0, chiSquare15).constData());
}

void FairnessTest::fiveAndFourOfAColour() {
    std::int64_t fives = 0;
    std::int64_t fours = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        std::array<int, 4> counts{};
        for (int card = 0; card < cards; ++card)
            ++counts[colours_[tick * cards + card]];
        const int most = *std::max_element(counts.begin(), counts.end());
        fives += most == 5 ? 1 : 0;
        fours += most == 4 ? 1 : 0;
    }
    const QByteArray counted = QByteArray::number(qint64(fives)) + " ticks of five of a colour, " +
                               QByteArray::number(qint64(fours)) + " of exactly four";
    QVERIFY2(withinBinomial(fives, ticks, 1.0 / 256), counted.constData());
    QVERIFY2(withinBinomial(fours, ticks, 15.0 / 256), counted.constData());
}

void FairnessTest::noReseedRestartsASequence() {
    // Each tick's five numbers, 120 bits. Two fair tuples agree with a chance
    // of 2^-120, so among 200,000 of them (2e10 pairs) a repeat has a chance
    // of about 1e-26: any repeat at all is a restarted sequence.
    using Tuple = std::array<std::uint32_t, cards>;
    std::vector<Tuple> tuples(ticks);
    for (int tick = 0; tick < ticks; ++tick)
        std::copy_n(&tap_.numbers[tick * cards], cards, tuples[tick].begin());
    std::sort(tuples.begin(), tuples.end());
    QCOMPARE(std::adjacent_find(tuples.begin(), tuples.end()), tuples.end());

    // The first number after each re-seed repeats only as often as 24-bit
    // numbers drawn at random do; seeds from a small set would repeat more.
    std::vector<std::uint32_t> firsts(ticks);
    for (int tick = 0; tick < ticks; ++tick)
        firsts[tick] = tap_.numbers[tick * cards];
    std::sort(firsts.begin(), firsts.end());
    const auto repeats =
        static_cast<double>(firsts.end() - std::unique(firsts.begin(), firsts.end()));
    const long double values = 16777216.0L;
    const long double n = ticks;
    const long double missOne = std::pow(1 - 1 / values, n);
    const long double missTwo = std::pow(1 - 2 / values, n);
    const double mean = static_cast<double>(n - values * (1 - missOne));
    const double spread =
        bound * static_cast<double>(std::sqrt(values * (values - 1) * missTwo + values * missOne -
                                              values * values * missOne * missOne));
    QVERIFY2(repeats >= mean - spread && repeats <= mean + spread,
             describe(repeats, mean - spread, mean + spread).constData());
}

void FairnessTest::reseedsInARowDiffer() {
    // Two re-seeds with nothing between them may read the same clock; the
    // re-seed counter and the generator's own state mixed into the seed keep
    // them apart even with the clock standing still, which a test cannot
    // arrange. Here: 100,000 pairs, each compared on 48 bits (a fair chance of
    // 2^-48 each, 4e-10 for any of them).
    ClockRandom random;
    for (int n = 0; n < 100'000; ++n) {
        random.reseed();
        const float a1 = random.next();
        const float a2 = random.next();
        random.reseed();
        const float b1 = random.next();
        const float b2 = random.next();
        if (a1 == b1 && a2 == b2)
            QFAIL(qPrintable(QStringLiteral("re-seed %1 repeated the one before").arg(n)));
    }
}

QTEST_APPLESS_MAIN(FairnessTest)
#include "test_fairness.moc"
