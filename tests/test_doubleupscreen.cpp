// The double-up screen as a player meets it: real key presses, the captions
// and the picture on show, the two timers, and the hand-back to the card table.

#include "app/screenset.h"
#include "common/label.h"
#include "double_up/vecamanja.h"
#include "recordingswitcher.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTest>
#include <memory>
#include <vector>

namespace {
constexpr float veca = 0.2f;  // draws outcome 1: Page Up wins
constexpr float manja = 0.7f; // draws outcome 2: Page Down wins

DoubleUpEntry entryOf(std::int64_t win, std::int64_t credit,
                      const QString& name = QStringLiteral("Igrac 1")) {
    DoubleUpEntry entry{purseOf(win), purseOf(credit), name, {}};
    entry.position = QPoint(1500, 1200);
    return entry;
}

// One screen on a fake program, opened as the card table would open it.
struct Visit {
    Visit(std::int64_t win, std::int64_t credit, std::initializer_list<float> numbers,
          const QString& name = QStringLiteral("Igrac 1"))
        : random(numbers), screen(switcher, bank, random, entryOf(win, credit, name)) {
        screen.Form_Load();
        screen.Show();
    }

    Label* label(const char* name) { return labelNamed(screen, QString::fromLatin1(name)); }
    QString caption(const char* name) { return label(name)->caption(); }
    void press(Qt::Key key) { QTest::keyClick(&screen, key); }
    void tick() { screen.displayTimer().fire(); }

    bool shows(SveSlike::Picture picture) {
        const QPixmap shown = screen.findChild<QLabel*>(QStringLiteral("Karta1"))->pixmap();
        return screen.shownPicture() == picture &&
               shown.cacheKey() == bank.picture(picture).cacheKey();
    }

    RecordingSwitcher switcher;
    SveSlike bank;
    ScriptedRandom random;
    VecaManja screen;
};

using Picture = SveSlike::Picture;
} // namespace

class DoubleUpScreenTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void entryDisplays_data();
    void entryDisplays();
    void layout();
    void rightGuess_data();
    void rightGuess();
    void wrongGuess();
    void guessesDuringThePause();
    void deleteAndEndDuringThePause();
    void deleteShowsTheSplit_data();
    void deleteShowsTheSplit();
    void nothingAtStakeIgnoresEveryKeyButEnter();
    void enterHandsTheCreditBack_data();
    void enterHandsTheCreditBack();
    void outcomeCode_data();
    void outcomeCode();
    void playerName_data();
    void playerName();
    void otherKeysAndClicksDoNothing();
    void costAtRest();
    void secondVisitStartsAfresh();
};

void DoubleUpScreenTest::entryDisplays_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("total");
    QTest::newRow("English") << "en_US"
                             << "1,000.00"
                             << "5,000.00"
                             << "0.00";
    QTest::newRow("German") << "de_DE"
                            << "1.000,00"
                            << "5.000,00"
                            << "0,00";
}

void DoubleUpScreenTest::entryDisplays() {
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    Visit visit(1000, 5000, {veca});
    // Filled before the first show, without waiting for a tick.
    QTEST(visit.caption("realDobitak"), "stake");
    QTEST(visit.caption("Kasa"), "credit");
    QTEST(visit.caption("ukupanDobitakreal"), "total");
    QCOMPARE(visit.caption("pogodjenihKarata"), QStringLiteral("0"));
    QCOMPARE(visit.caption("Ime"), QStringLiteral("Igrac 1"));
    QVERIFY(visit.shows(Picture::VecaManja));
    QCOMPARE(visit.screen.position(), QPoint(1500, 1200));
    QCOMPARE(visit.random.reseeds, 0);
    QCOMPARE(visit.random.taken, 1);
}

void DoubleUpScreenTest::layout() {
    Visit visit(1000, 5000, {veca});
    const struct {
        const char* name;
        const char* text;
        QRect pixels;
        bool bold;
    } labels[] = {
        {"Label1", "Igrac:", {32, 24, 41, 17}, false},
        {"Label5", "Pogodjenih karata:", {232, 24, 89, 17}, false},
        {"Label4", "Ukupan dobitak veca/manja:", {232, 48, 145, 17}, false},
        {"Label3", "Dobitak:", {232, 107, 49, 17}, false},
        {"Label2", "Kasa:", {232, 125, 49, 17}, false},
        {"Ime", "Igrac 1", {64, 24, 129, 17}, true},
        {"pogodjenihKarata", "0", {328, 24, 97, 17}, true},
    };
    for (const auto& l : labels) {
        Label* label = visit.label(l.name);
        QVERIFY2(label, l.name);
        QCOMPARE(label->caption(), QString::fromLatin1(l.text));
        // Placed as laid out; a caption the font makes wider gets room, never clipped.
        QCOMPARE(label->geometry().topLeft(), l.pixels.topLeft());
        QCOMPARE(label->height(), l.pixels.height());
        QVERIFY(label->width() >= l.pixels.width());
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->caption()),
                 l.name);
        QCOMPARE(label->isBold(), l.bold);
        QCOMPARE(label->foreColour(), 0xFFFFFFu);
        QVERIFY(label->isVisible());
    }
    QVERIFY(visit.label("Label5")->geometry().right() < visit.label("pogodjenihKarata")->x());
    for (const char* amount : {"realDobitak", "Kasa"}) {
        QVERIFY(visit.label(amount)->alignment() & Qt::AlignRight);
        QVERIFY(visit.label(amount)->isBold());
    }
    const auto* card = visit.screen.findChild<QLabel*>(QStringLiteral("Karta1"));
    QCOMPARE(card->geometry(), QRect(39, 208, 93, 145));
    QVERIFY(!card->hasScaledContents());
    // The three pictures are told apart by what they are, not only by name.
    const QPixmap& mystery = visit.bank.picture(Picture::VecaManja);
    QCOMPARE(mystery.size(), QSize(93, 145));
    QVERIFY(mystery.cacheKey() != visit.bank.picture(Picture::Dolar).cacheKey());
    QVERIFY(mystery.cacheKey() != visit.bank.picture(Picture::Unazad).cacheKey());
    QCOMPARE(card->pixmap().cacheKey(), mystery.cacheKey());
    QVERIFY(!visit.label("Slucajan_Broj")->isVisible());
}

void DoubleUpScreenTest::rightGuess_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("key");
    QTest::newRow("Page Up on 1") << veca << int(Qt::Key_PageUp);
    QTest::newRow("Page Down on 2") << manja << int(Qt::Key_PageDown);
}

void DoubleUpScreenTest::rightGuess() {
    QFETCH(float, r);
    QFETCH(int, key);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    Visit visit(1000, 5000, {r, manja});
    visit.press(Qt::Key(key));
    // The picture and the count change at once; the amounts at the next tick.
    QVERIFY(visit.shows(Picture::Dolar));
    QCOMPARE(visit.caption("pogodjenihKarata"), QStringLiteral("1"));
    QCOMPARE(visit.caption("realDobitak"), QStringLiteral("1,000.00"));
    QVERIFY(visit.screen.displayTimer().isActive());
    visit.tick();
    QCOMPARE(visit.caption("realDobitak"), QStringLiteral("2,000.00"));
    QCOMPARE(visit.caption("ukupanDobitakreal"), QStringLiteral("1,000.00"));
    QCOMPARE(visit.caption("Kasa"), QStringLiteral("5,000.00"));
    QVERIFY(visit.shows(Picture::Dolar));
    QCOMPARE(visit.random.taken, 2);

    // The pause lasts 500 ms and then puts the mystery card back.
    QVERIFY(visit.screen.pauseTimer().isActive());
    visit.screen.Vracanje_Upitnika_Timer();
    QVERIFY(visit.shows(Picture::VecaManja));
    QVERIFY(!visit.screen.pauseTimer().isActive());
    visit.tick();
    QVERIFY(visit.shows(Picture::VecaManja));
}

void DoubleUpScreenTest::wrongGuess() {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    Visit visit(1000, 5000, {veca});
    visit.press(Qt::Key_PageDown);
    QVERIFY(visit.shows(Picture::Unazad));
    visit.tick();
    QCOMPARE(visit.caption("realDobitak"), QStringLiteral("0.00"));
    QCOMPARE(visit.caption("Kasa"), QStringLiteral("5,000.00"));
    QCOMPARE(visit.caption("ukupanDobitakreal"), QStringLiteral("0.00"));
    QCOMPARE(visit.caption("pogodjenihKarata"), QStringLiteral("0"));
    QVERIFY(!visit.screen.pauseTimer().isActive());
    QCOMPARE(visit.random.taken, 1);
}

void DoubleUpScreenTest::guessesDuringThePause() {
    Visit visit(1000, 5000, {veca, veca, manja});
    visit.press(Qt::Key_PageUp);
    for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_PageUp})
        visit.press(key);
    visit.tick();
    QCOMPARE(visit.caption("pogodjenihKarata"), QStringLiteral("1"));
    QCOMPARE(visit.caption("realDobitak"), QStringLiteral("2,000.00"));
    QCOMPARE(visit.random.taken, 2);
    QVERIFY(visit.shows(Picture::Dolar));
    // Held down, the key guesses again as soon as the pause has ended.
    visit.screen.Vracanje_Upitnika_Timer();
    QTest::keyClick(&visit.screen, Qt::Key_PageUp, Qt::NoModifier);
    QCOMPARE(visit.caption("pogodjenihKarata"), QStringLiteral("2"));
    QCOMPARE(visit.random.taken, 3);
}

void DoubleUpScreenTest::deleteAndEndDuringThePause() {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    Visit visit(1000, 5000, {veca, manja});
    visit.press(Qt::Key_PageUp);
    visit.press(Qt::Key_Delete);
    visit.tick();
    QCOMPARE(visit.caption("realDobitak"), QStringLiteral("1,000.00"));
    QCOMPARE(visit.caption("Kasa"), QStringLiteral("6,000.00"));
    QVERIFY(visit.shows(Picture::Dolar));

    visit.press(Qt::Key_End);
    QVERIFY(visit.shows(Picture::Unazad));
    visit.tick();
    QCOMPARE(visit.caption("realDobitak"), QStringLiteral("0.00"));
    QCOMPARE(visit.caption("Kasa"), QStringLiteral("7,000.00"));
    QVERIFY(visit.screen.pauseTimer().isActive());

    // The pause's end brings the mystery card back for one display tick at most.
    visit.screen.Vracanje_Upitnika_Timer();
    QVERIFY(visit.shows(Picture::VecaManja));
    QVERIFY(visit.screen.displayTimer().isActive());
    visit.tick();
    QVERIFY(visit.shows(Picture::Unazad));
    QCOMPARE(visit.caption("ukupanDobitakreal"), QStringLiteral("1,000.00"));
}

void DoubleUpScreenTest::deleteShowsTheSplit_data() {
    QTest::addColumn<qint64>("stake");
    QTest::addColumn<QString>("shownStake");
    QTest::addColumn<QString>("shownCredit");
    QTest::newRow("2000") << 2000LL << "1,000.00"
                          << "6,000.00";
    QTest::newRow("125") << 125LL << "63.00"
                         << "5,062.00";
    QTest::newRow("75") << 75LL << "37.00"
                        << "5,038.00";
    QTest::newRow("1 stays") << 1LL << "1.00"
                             << "5,000.00";
}

void DoubleUpScreenTest::deleteShowsTheSplit() {
    QFETCH(qint64, stake);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    Visit visit(stake, 5000, {manja});
    visit.label("Slucajan_Broj")->show();
    visit.press(Qt::Key_Delete);
    visit.tick();
    QTEST(visit.caption("realDobitak"), "shownStake");
    QTEST(visit.caption("Kasa"), "shownCredit");
    QVERIFY(visit.shows(Picture::VecaManja));
    QCOMPARE(visit.caption("Slucajan_Broj"), QStringLiteral("2"));
    QCOMPARE(visit.random.taken, 1);
}

void DoubleUpScreenTest::nothingAtStakeIgnoresEveryKeyButEnter() {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    Visit visit(1000, 5000, {veca});
    visit.press(Qt::Key_End);
    visit.tick();
    QCOMPARE(visit.caption("Kasa"), QStringLiteral("6,000.00"));
    for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Delete, Qt::Key_End}) {
        visit.press(key);
        visit.tick();
        QCOMPARE(visit.caption("Kasa"), QStringLiteral("6,000.00"));
        QCOMPARE(visit.caption("realDobitak"), QStringLiteral("0.00"));
        QCOMPARE(visit.caption("pogodjenihKarata"), QStringLiteral("0"));
        QVERIFY(visit.shows(Picture::Unazad));
        QVERIFY(!visit.screen.pauseTimer().isActive());
    }
    QCOMPARE(visit.random.taken, 1);
    QVERIFY(visit.switcher.returns.empty());
    visit.press(Qt::Key_Return);
    QCOMPARE(visit.switcher.returns.size(), std::size_t(1));
    QCOMPARE(visit.switcher.returns[0].credit, 6000);
}

void DoubleUpScreenTest::enterHandsTheCreditBack_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("wrongFirst");
    QTest::addColumn<qint64>("credit");
    QTest::newRow("Return with 4000 at stake") << int(Qt::Key_Return) << false << 9000LL;
    QTest::newRow("keypad Enter with 4000 at stake") << int(Qt::Key_Enter) << false << 9000LL;
    QTest::newRow("Return with nothing at stake") << int(Qt::Key_Return) << true << 5000LL;
}

void DoubleUpScreenTest::enterHandsTheCreditBack() {
    QFETCH(int, key);
    QFETCH(bool, wrongFirst);
    Visit visit(2000, 5000, {veca, manja});
    // In the pause after a right guess, 4000 at stake; or nothing at stake.
    visit.press(wrongFirst ? Qt::Key_PageDown : Qt::Key_PageUp);
    visit.screen.Move(3000, 2250); // the player dragged the window
    const QPoint where = visit.screen.position();
    visit.press(Qt::Key(key));

    QCOMPARE(visit.switcher.returns.size(), std::size_t(1));
    QTEST(qint64(visit.switcher.returns[0].credit), "credit");
    QCOMPARE(visit.switcher.returns[0].position, where);
    QCOMPARE(visit.switcher.unloads, std::vector<ScreenId>{ScreenId::DoubleUp});
    // Nothing of this visit ticks on.
    QVERIFY(!visit.screen.displayTimer().isActive());
    QVERIFY(!visit.screen.pauseTimer().isActive());
}

void DoubleUpScreenTest::outcomeCode_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    QTest::newRow("the code") << "mundragolest" << true;
    QTest::newRow("other case") << "Mundragolest" << false;
    QTest::newRow("another name") << "Igrac 1" << false;
}

void DoubleUpScreenTest::outcomeCode() {
    QFETCH(QString, name);
    QFETCH(bool, shown);
    Visit visit(1000, 5000, {manja, veca}, name);
    Label* digit = visit.label("Slucajan_Broj");
    QCOMPARE(digit->isVisible(), shown);
    if (!shown)
        return;
    QCOMPARE(digit->caption(), QStringLiteral("2"));
    visit.press(Qt::Key_Delete); // no new draw
    QCOMPARE(digit->caption(), QStringLiteral("2"));
    visit.press(Qt::Key_PageDown);
    QCOMPARE(digit->caption(), QStringLiteral("1"));
    visit.screen.Vracanje_Upitnika_Timer();
    visit.press(Qt::Key_PageDown); // wrong: no new draw
    QCOMPARE(digit->caption(), QStringLiteral("1"));
    QVERIFY(digit->isVisible());
}

void DoubleUpScreenTest::playerName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown"); // empty: cut to the box with an ellipsis
    QTest::newRow("fits") << "Ana"
                          << "Ana";
    // A byte of an old Windows-1250 file reads as the letter it stood for.
    QTest::newRow("Windows-1250 byte")
        << QStringLiteral(u"Igra\xDCE8") << QStringLiteral(u"Igra\x10D");
    // A hand-edited file can hold megabytes: only what fits is laid out.
    QTest::newRow("10 MB") << QString(10 * 1024 * 1024, u'W') << QString();
}

void DoubleUpScreenTest::playerName() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QElapsedTimer clock;
    clock.start();
    Visit visit(1000, 5000, {veca}, name);
    QVERIFY2(clock.elapsed() < 1000, "the screen took a second to open");
    Label* box = visit.label("Ime");
    if (!shown.isEmpty()) {
        QCOMPARE(box->caption(), shown);
        return;
    }
    QVERIFY(box->caption().endsWith(QChar(0x2026)));
    QVERIFY(QFontMetrics(box->font()).horizontalAdvance(box->caption()) <= box->width());
}

void DoubleUpScreenTest::otherKeysAndClicksDoNothing() {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    Visit visit(1000, 5000, {veca});
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_Insert, Qt::Key_Escape,
                        Qt::Key_Space, Qt::Key_1, Qt::Key_F1, Qt::Key_Backspace})
        visit.press(key);
    QTest::mouseClick(visit.label("Label1"), Qt::LeftButton);
    QTest::mouseClick(visit.label("Ime"), Qt::LeftButton);
    visit.tick();
    QCOMPARE(visit.caption("realDobitak"), QStringLiteral("1,000.00"));
    QCOMPARE(visit.caption("Kasa"), QStringLiteral("5,000.00"));
    QVERIFY(visit.shows(Picture::VecaManja));
    QVERIFY(visit.screen.isVisible());
    QVERIFY(visit.switcher.unloads.empty());
    QVERIFY(visit.switcher.returns.empty());
    QVERIFY(visit.switcher.switches.empty());
    QVERIFY(visit.switcher.doubleUps.empty());
    QCOMPARE(visit.random.taken, 1);

    // The window frame's close request goes to the program, which ends.
    QVERIFY(!visit.screen.window()->close());
    QCOMPARE(visit.switcher.closeRequests, 1);
}

void DoubleUpScreenTest::costAtRest() {
    Visit visit(1000, 5000, {veca, manja});
    QVERIFY(!visit.screen.displayTimer().isActive());
    QVERIFY(!visit.screen.pauseTimer().isActive());
    visit.press(Qt::Key_PageUp);
    QVERIFY(visit.screen.displayTimer().isActive());
    visit.tick();
    QVERIFY(!visit.screen.displayTimer().isActive());
    visit.screen.Vracanje_Upitnika_Timer();
    visit.tick();
    QVERIFY(!visit.screen.displayTimer().isActive());
    QVERIFY(!visit.screen.pauseTimer().isActive());
}

void DoubleUpScreenTest::secondVisitStartsAfresh() {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    ScriptedRandom random{veca, manja, manja, veca};
    int ends = 0;
    ScreenSet program(random, [&] { ++ends; });

    // The card table the double-up leaves hidden and returns to.
    Screen menu(program, ScreenId::MainMenu);
    program.switchTo(menu, ScreenId::CardTable, Placing::AtCaller, Leaving::Hide);
    Screen& table = *program.existing(ScreenId::CardTable);
    program.openDoubleUp(table, entryOf(1000, 5000));
    VecaManja* first = program.doubleUp();
    QVERIFY(first && first->isVisible());
    QTest::keyClick(first, Qt::Key_PageUp);
    first->displayTimer().fire();
    QCOMPARE(labelNamed(*first, QStringLiteral("pogodjenihKarata"))->caption(),
             QStringLiteral("1"));
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(program.doubleUp(), nullptr);
    QVERIFY(!first->isVisible());

    program.openDoubleUp(table, entryOf(300, 7000));
    VecaManja* second = program.doubleUp();
    QVERIFY(second && second->isVisible());
    const auto caption = [&](const char* name) {
        return labelNamed(*second, QString::fromLatin1(name))->caption();
    };
    QCOMPARE(caption("pogodjenihKarata"), QStringLiteral("0"));
    QCOMPARE(caption("ukupanDobitakreal"), QStringLiteral("0.00"));
    QCOMPARE(caption("realDobitak"), QStringLiteral("300.00"));
    QCOMPARE(caption("Kasa"), QStringLiteral("7,000.00"));
    QCOMPARE(second->shownPicture(), Picture::VecaManja);
    QVERIFY(!second->pauseTimer().isActive());
    QTest::keyClick(second, Qt::Key_PageDown);
    QCOMPARE(caption("pogodjenihKarata"), QStringLiteral("1"));
    QCOMPARE(ends, 0);
}

QTEST_MAIN(DoubleUpScreenTest)
#include "test_doubleupscreen.moc"
