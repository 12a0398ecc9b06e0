// The card table screen as a player meets it: what its load shows, the
// meters, a hand played with real key presses, the hand-over to the
// double-up, "kraj igre", and timers that rest when nothing happens.

#include "card_table/karteigra.h"
#include "common/imagebank.h"
#include "common/label.h"
#include "common/settingsfile.h"
#include "painting.h"
#include "recordingswitcher.h"
#include "testsupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QTest>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(HandState)

namespace {
QByteArray settingsFile(const QString& name, const QString& level, const QString& marker) {
    return settingsBytes({name, level, QStringLiteral("1"), marker});
}

// The card pictures are plain colours in other sizes than a card, so a face
// shows which colour it was given and that it was stretched to the card.
const QColor redPicture(200, 0, 0);
const QColor bluePicture(0, 0, 200);
const QColor yellowPicture(200, 200, 0);
const QColor greenPicture(0, 200, 0);

struct Table {
    explicit Table(const QByteArray& config = settingsFile("Ana", "1", "x"), bool withFile = true) {
        if (withFile)
            folder.write(QStringLiteral("config.not"), config);
        bank.setHolder(CardColour::Red, plainPicture(redPicture, {200, 300}));
        bank.setHolder(CardColour::Blue, plainPicture(bluePicture, {50, 40}));
        bank.setHolder(CardColour::Yellow, plainPicture(yellowPicture, {93, 145}));
        bank.setHolder(CardColour::Green, plainPicture(greenPicture, {400, 100}));
        screen = std::make_unique<KarteIgra>(switcher, bank, random);
        screen->Form_Load();
        screen->Move(1500, 3000);
    }

    QString caption(const char* name) const {
        auto* label = screen->findChild<QLabel*>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("<no such label>");
    }
    bool visible(const QString& name) const {
        auto* widget = screen->findChild<QWidget*>(name);
        return widget && widget->isVisibleTo(screen.get());
    }
    QLabel* face(int card) const {
        return screen->findChild<QLabel*>(QStringLiteral("Karta%1").arg(card));
    }
    // The plain colour a face shows, or an invalid colour for anything else.
    QColor faceColour(int card) const {
        const QImage image = face(card)->pixmap().toImage();
        if (image.size() != QSize(93, 145))
            return {};
        const QColor corner = image.pixelColor(0, 0);
        return image.pixelColor(46, 72) == corner && image.pixelColor(92, 144) == corner ? corner
                                                                                         : QColor();
    }
    bool faceDown(int card) const {
        return face(card)->pixmap().toImage() == bank.picture(SveSlike::Picture::Eks).toImage();
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(screen.get(), key, modifiers);
    }
    // Draws these colours for the cards not held and lets the faces follow.
    void draw(const QString& cards) {
        for (QChar letter : cards)
            random.push(ScriptedRandom::forDrawCode(QStringLiteral("RBYG").indexOf(letter) + 1));
        screen->drawTimer().fire();
        screen->paintTimer().fire();
    }
    void meters() { screen->meterTimer().fire(); }

    TempProgramFolder folder;
    RecordingSwitcher switcher;
    SveSlike bank;
    ScriptedRandom random;
    std::unique_ptr<KarteIgra> screen;
};
} // namespace

class CardTableTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void load_data();
    void load();
    void aVeryLongNameIsShownElided();
    void meters_data();
    void meters();
    void aHandPlayedWithKeys();
    void onlyTheMainKeyboardDigitsHold();
    void bothEnterKeysAndAutoRepeat();
    void otherKeysDoNothing();
    void insert_data();
    void insert();
    void theHandAfterInsertAndReturn();
    void endGameIsAWhiteBox();
    void cardsSitInsideTheirDrawnFrames();
    void endGame_data();
    void endGame();
    void timersRestWhenNothingHappens();
    void newHolderPicturesReachTheFaces();
    void aSpinRepaintsTheTableOnlyUnderSeeThroughCards_data();
    void aSpinRepaintsTheTableOnlyUnderSeeThroughCards();
};

void CardTableTest::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void CardTableTest::cleanup() {
    QLocale::setDefault(QLocale::c());
}

void CardTableTest::load_data() {
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("startingCredit");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("marker");
    const auto row = [](const char* tag, const char* name, const char* level, const char* marker,
                        const char* starting, const char* credit) {
        QTest::newRow(tag) << true << settingsFile(name, level, marker) << name << starting
                           << credit << marker;
    };
    row("defaults", "Igrac 1", "1", "x", "2,000.00", "2,000.00");
    row("level 2", "Ana", "2", "x", "5,000.00", "5,000.00");
    row("level 3", "Ana", "3", "o", "10,000.00", "10,000.00");
    row("level 4", "Ana", "4", "x", "0", "2,000.00");
    row("level 01", "Ana", "01", "x", "0", "2,000.00");
    row("empty level", "Ana", "", "x", "0", "2,000.00");
    row("level with a blank", "Ana", "1 ", "x", "0", "2,000.00");
    row("code name, level 2", "vilorak", "2", "x", "50,000.00", "50,000.00");
    row("code name, level 9", "vilorak", "9", "x", "50,000.00", "50,000.00");
    row("code name in capitals", "Vilorak", "2", "x", "5,000.00", "5,000.00");
    row("code name with a blank", " vilorak", "3", "x", "10,000.00", "10,000.00");
    row("code name with a trailing blank", "vilorak ", "1", "x", "2,000.00", "2,000.00");
    row("empty marker", "Ana", "1", "", "2,000.00", "2,000.00");
    // Nothing to read: the table plays the defaults, as the menu does.
    QTest::newRow("missing file") << false << QByteArray() << "Igrac 1"
                                  << "2,000.00"
                                  << "2,000.00"
                                  << "x";
    QTest::newRow("two lines") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n") << "Ana"
                               << "10,000.00"
                               << "10,000.00"
                               << "";
    QTest::newRow("empty file") << true << QByteArray() << "Igrac 1"
                                << "2,000.00"
                                << "2,000.00"
                                << "x";
}

void CardTableTest::load() {
    QFETCH(bool, withFile);
    QFETCH(QByteArray, config);
    QFETCH(QString, name);
    QFETCH(QString, startingCredit);
    QFETCH(QString, credit);
    QFETCH(QString, marker);
    Table table(config, withFile);
    QCOMPARE(table.caption("Load001"), name);
    QCOMPARE(table.caption("pocetniUlog"), startingCredit);
    // The meters keep their design texts until their first tick.
    QCOMPARE(table.caption("pareReal"), QStringLiteral("2000"));
    QCOMPARE(table.caption("ulogReal"), QStringLiteral("0"));
    QCOMPARE(table.caption("dobitakReal"), QStringLiteral("0"));
    table.meters();
    QCOMPARE(table.caption("pareReal"), credit);
    QCOMPARE(table.caption("ulogReal"), QStringLiteral("0.00"));
    QCOMPARE(table.caption("dobitakReal"), QStringLiteral("0.00"));
    for (int card = 1; card <= 5; ++card) {
        const QString keep = QStringLiteral("keep_%1").arg(card);
        QCOMPARE(table.screen->findChild<QLabel*>(keep)->text(), marker);
        QVERIFY(!table.visible(keep));
        QVERIFY(table.faceDown(card));
    }
    for (const char* offer : {"slikaVecaManja", "naslovVeca", "naslovManja"})
        QVERIFY(!table.visible(QLatin1String(offer)));
    QCOMPARE(table.caption("SnimiOpcije"), QStringLiteral("kraj igre"));
    QCOMPARE(table.screen->hand().state(), HandState::Idle);
}

void CardTableTest::aVeryLongNameIsShownElided() {
    const QString name = QStringLiteral("Ana").repeated(1'000'000);
    Table table(settingsFile(name, "1", "x"));
    auto* label = table.screen->findChild<QLabel*>(QStringLiteral("Load001"));
    QVERIFY(label->text().size() < 200);
    QVERIFY(label->text().startsWith(QStringLiteral("AnaAna")));
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    // The whole name still travels with the win.
    QCOMPARE(table.screen->playerName(), name);
}

void CardTableTest::meters_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("shown"); // win, credit, stake
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                           << QStringList{"5,250.00", "8,950.00", "1,050.00"};
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany)
                           << QStringList{"5.250,00", "8.950,00", "1.050,00"};
}

void CardTableTest::meters() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, shown);
    QLocale::setDefault(locale);
    Table table(settingsFile("Ana", "3", "x"));
    table.key(Qt::Key_F4);
    table.key(Qt::Key_F2);
    table.meters();
    QCOMPARE(table.caption("ulogReal"), shown[2]);
    table.key(Qt::Key_Return);
    table.draw(QStringLiteral("RBYGR"));
    table.key(Qt::Key_Return);
    table.key(Qt::Key_Return);
    table.draw(QStringLiteral("GGGGG"));
    table.key(Qt::Key_Return);
    table.meters();
    QCOMPARE(table.caption("dobitakReal"), shown[0]);
    QCOMPARE(table.caption("pareReal"), shown[1]);
    QCOMPARE(table.caption("ulogReal"), shown[2]);
    // The starting credit is a fixed text whatever the regional settings.
    QCOMPARE(table.caption("pocetniUlog"), QStringLiteral("10,000.00"));
}

void CardTableTest::aHandPlayedWithKeys() {
    Table table;
    table.key(Qt::Key_F4);
    table.key(Qt::Key_Return);
    QCOMPARE(table.screen->hand().state(), HandState::FirstSpin);
    QVERIFY(table.screen->drawTimer().isActive());

    table.random.push({0.9f, 0.3f, 0.6f, 0.1f, 0.9f}); // green, blue, yellow, red, green
    table.screen->drawTimer().fire();
    // The faces follow the colours at the painting's tick.
    QVERIFY(table.faceDown(1));
    table.screen->paintTimer().fire();
    QCOMPARE(table.faceColour(1), greenPicture);
    QCOMPARE(table.faceColour(2), bluePicture);
    QCOMPARE(table.faceColour(3), yellowPicture);
    QCOMPARE(table.faceColour(4), redPicture);
    QCOMPARE(table.faceColour(5), greenPicture);

    table.key(Qt::Key_Return);
    QCOMPARE(table.screen->hand().state(), HandState::Hold);
    QVERIFY(!table.screen->drawTimer().isActive());
    table.key(Qt::Key_1);
    table.key(Qt::Key_5);
    table.key(Qt::Key_3);
    table.key(Qt::Key_3);
    QVERIFY(table.visible("keep_1"));
    QVERIFY(!table.visible("keep_2"));
    QVERIFY(!table.visible("keep_3"));
    QVERIFY(table.visible("keep_5"));
    QCOMPARE(table.caption("keep_1"), QStringLiteral("x"));

    table.key(Qt::Key_Return);
    table.draw(QStringLiteral("GGR")); // cards 2, 3 and 4
    QCOMPARE(table.faceColour(1), greenPicture);
    QCOMPARE(table.faceColour(4), redPicture);
    table.key(Qt::Key_Return);
    QCOMPARE(table.screen->hand().state(), HandState::Result);
    table.meters();
    QCOMPARE(table.caption("dobitakReal"), QStringLiteral("2,000.00"));
    QCOMPARE(table.caption("pareReal"), QStringLiteral("1,000.00"));
    for (const char* offer : {"slikaVecaManja", "naslovVeca", "naslovManja"})
        QVERIFY(table.visible(QLatin1String(offer)));
    QVERIFY(table.visible("keep_1"));

    table.key(Qt::Key_Return); // cash
    QCOMPARE(table.screen->hand().state(), HandState::Idle);
    for (int card = 1; card <= 5; ++card) {
        QVERIFY(table.faceDown(card));
        QVERIFY(!table.visible(QStringLiteral("keep_%1").arg(card)));
    }
    for (const char* offer : {"slikaVecaManja", "naslovVeca", "naslovManja"})
        QVERIFY(!table.visible(QLatin1String(offer)));
    table.meters();
    QCOMPARE(table.caption("dobitakReal"), QStringLiteral("0.00"));
    QCOMPARE(table.caption("pareReal"), QStringLiteral("3,000.00"));
    QCOMPARE(table.caption("ulogReal"), QStringLiteral("1,000.00"));
    QVERIFY(table.switcher.doubleUps.empty());
}

void CardTableTest::onlyTheMainKeyboardDigitsHold() {
    Table table;
    table.key(Qt::Key_F2);
    table.key(Qt::Key_Return);
    table.draw(QStringLiteral("RBYGR"));
    table.key(Qt::Key_Return);
    for (Qt::Key digit : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5})
        table.key(digit, Qt::KeypadModifier);
    for (int card = 1; card <= 5; ++card)
        QVERIFY(!table.screen->hand().held(card));
    table.key(Qt::Key_4);
    QVERIFY(table.screen->hand().held(4));
}

void CardTableTest::bothEnterKeysAndAutoRepeat() {
    Table table;
    table.key(Qt::Key_F2);
    table.key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(table.screen->hand().state(), HandState::FirstSpin);
    table.draw(QStringLiteral("RBYGR"));
    // A held-down Enter steps the hand once for every repeated press.
    const auto repeat = [&table] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                        true);
        QApplication::sendEvent(table.screen.get(), &press);
    };
    repeat();
    QCOMPARE(table.screen->hand().state(), HandState::Hold);
    repeat();
    QCOMPARE(table.screen->hand().state(), HandState::SecondSpin);
    table.draw(QStringLiteral("BBBBB"));
    repeat();
    QCOMPARE(table.screen->hand().state(), HandState::Result);
    repeat();
    QCOMPARE(table.screen->hand().state(), HandState::Idle);
    QCOMPARE(table.screen->hand().credit(), 2200);
}

void CardTableTest::otherKeysDoNothing() {
    Table table;
    table.key(Qt::Key_F4);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_0, Qt::Key_6, Qt::Key_F5, Qt::Key_Escape,
                        Qt::Key_PageUp, Qt::Key_Delete, Qt::Key_End, Qt::Key_A})
        table.key(key);
    QCOMPARE(table.screen->hand().state(), HandState::Idle);
    QCOMPARE(table.screen->hand().stake(), 1000);
    table.key(Qt::Key_F3);
    table.key(Qt::Key_F2);
    table.key(Qt::Key_F2);
    table.key(Qt::Key_F1);
    QCOMPARE(table.screen->hand().stake(), 50);
}

void CardTableTest::insert_data() {
    QTest::addColumn<HandState>("state");
    QTest::addColumn<bool>("withWin");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("idle") << HandState::Idle << false << false;
    QTest::newRow("first spin") << HandState::FirstSpin << false << false;
    QTest::newRow("hold") << HandState::Hold << false << false;
    QTest::newRow("second spin") << HandState::SecondSpin << false << false;
    QTest::newRow("result without win") << HandState::Result << false << false;
    QTest::newRow("result with win") << HandState::Result << true << true;
}

void CardTableTest::insert() {
    QFETCH(HandState, state);
    QFETCH(bool, withWin);
    QFETCH(bool, handsOver);
    Table table(settingsFile("Ana", "2", "x"));
    table.screen->Show();
    table.key(Qt::Key_F2);
    table.key(Qt::Key_F2);
    if (state != HandState::Idle) {
        table.key(Qt::Key_Return);
        table.draw(QStringLiteral("RRBRR"));
    }
    if (state >= HandState::Hold) {
        table.key(Qt::Key_Return);
        table.key(Qt::Key_2);
    }
    if (state >= HandState::SecondSpin)
        table.key(Qt::Key_Return);
    if (state == HandState::Result) {
        table.draw(withWin ? QStringLiteral("RRRR") : QStringLiteral("BYBY"));
        table.key(Qt::Key_Return);
    }
    table.meters();
    QCOMPARE(table.screen->hand().state(), state);
    const QPoint position = table.screen->position();

    table.key(Qt::Key_Insert);
    if (!handsOver) {
        QVERIFY(table.switcher.doubleUps.empty());
        QCOMPARE(table.screen->hand().state(), state);
        QVERIFY(table.screen->isVisible());
        return;
    }
    QCOMPARE(table.switcher.doubleUps.size(), std::size_t(1));
    const DoubleUpEntry& entry = table.switcher.doubleUps.front();
    QCOMPARE(entry.win.amount(), 500);
    QCOMPARE(entry.credit.amount(), 4900);
    QCOMPARE(entry.playerName, QStringLiteral("Ana"));
    QCOMPARE(entry.position, position);

    QVERIFY(!table.screen->isVisible());
    QCOMPARE(table.screen->hand().state(), HandState::Idle);
    QCOMPARE(table.screen->hand().win(), 0);
    // The credit went with the double-up, which brings it back.
    QCOMPARE(table.screen->hand().credit(), 0);
    for (int card = 1; card <= 5; ++card) {
        QVERIFY(table.faceDown(card));
        QVERIFY(!table.visible(QStringLiteral("keep_%1").arg(card)));
    }
    QVERIFY(!table.visible("slikaVecaManja"));
    // The offer's captions go at the next meter tick, which runs while hidden.
    QVERIFY(table.screen->meterTimer().isActive());
    table.meters();
    QVERIFY(!table.visible("naslovVeca"));
    QVERIFY(!table.visible("naslovManja"));
    QCOMPARE(table.caption("dobitakReal"), QStringLiteral("0.00"));
    QVERIFY(!table.screen->paintTimer().isActive());
}

void CardTableTest::theHandAfterInsertAndReturn() {
    Table table;
    table.key(Qt::Key_F4);
    table.key(Qt::Key_Return);
    table.draw(QStringLiteral("YYYYR"));
    table.key(Qt::Key_Return);
    table.key(Qt::Key_Return);
    table.draw(QStringLiteral("YYYYY"));
    table.key(Qt::Key_Return);
    table.key(Qt::Key_Insert);
    QCOMPARE(table.switcher.doubleUps.front().win.amount(), 5000);
    // The double-up doubled once and went home.
    table.screen->takeBackCredit(purseOf(11000));
    QCOMPARE(table.caption("pareReal"), QStringLiteral("11,000.00"));
    table.key(Qt::Key_Insert);
    QCOMPARE(table.switcher.doubleUps.size(), std::size_t(1));
    table.key(Qt::Key_Return);
    QCOMPARE(table.screen->hand().state(), HandState::FirstSpin);
    QCOMPARE(table.screen->hand().credit(), 10000);
}

void CardTableTest::endGameIsAWhiteBox() {
    Table table;
    // Readable on the dark picture: white box, black text.
    const QImage box =
        table.screen->findChild<QWidget*>(QStringLiteral("SnimiOpcije"))->grab().toImage();
    QCOMPARE(box.pixelColor(3, box.height() / 2), QColor(Qt::white));
    bool blackText = false;
    for (int x = box.width() / 3; x < 2 * box.width() / 3 && !blackText; ++x)
        blackText = box.pixelColor(x, box.height() / 2).lightness() < 60;
    QVERIFY(blackText);
}

void CardTableTest::cardsSitInsideTheirDrawnFrames() {
    // The background draws a thin frame round each card's place; a card laid
    // a pixel off covers one of its lines and leaves a dark gap by the other.
    Table table;
    const QImage shot = table.screen->grab().toImage();
    const QImage background = QImage(QStringLiteral(":/backgrounds/KarteIgra.jpg"));
    const QImage back =
        table.bank.picture(SveSlike::Picture::Eks).toImage().convertToFormat(shot.format());
    const int frameLines[][2] = {{38, 132}, {142, 236}, {247, 341}, {351, 445}, {455, 549}};
    for (int card = 1; card <= 5; ++card) {
        const auto [left, right] = frameLines[card - 1];
        for (int y = 212; y < 350; y += 9) {
            QCOMPARE(shot.pixelColor(left, y), background.pixelColor(left, y));
            QCOMPARE(shot.pixelColor(right, y), background.pixelColor(right, y));
        }
        QCOMPARE(shot.copy(left + 1, 208, 93, 145), back);
        // The hold marker stands centred over its card.
        const QRect marker =
            table.screen->findChild<QWidget*>(QStringLiteral("keep_%1").arg(card))->geometry();
        QCOMPARE(marker.center().x(), table.face(card)->geometry().center().x());
    }
}

void CardTableTest::endGame_data() {
    QTest::addColumn<HandState>("state");
    QTest::newRow("idle") << HandState::Idle;
    QTest::newRow("cards spinning") << HandState::FirstSpin;
    QTest::newRow("second spin") << HandState::SecondSpin;
    QTest::newRow("win pending") << HandState::Result;
}

void CardTableTest::endGame() {
    QFETCH(HandState, state);
    Table table;
    table.screen->Show();
    table.key(Qt::Key_F2);
    if (state != HandState::Idle) {
        table.key(Qt::Key_Return);
        table.draw(QStringLiteral("GGGGB"));
    }
    if (state >= HandState::SecondSpin) {
        table.key(Qt::Key_Return);
        table.key(Qt::Key_Return);
    }
    if (state == HandState::Result) {
        table.draw(QStringLiteral("GGGGG"));
        table.key(Qt::Key_Return);
    }
    QCOMPARE(table.screen->hand().state(), state);

    Label* endGame = labelNamed(*table.screen, QStringLiteral("SnimiOpcije"));
    QTest::mouseClick(endGame, Qt::LeftButton);
    QCOMPARE(table.switcher.switches.size(), std::size_t(1));
    QCOMPARE(table.switcher.switches[0].target, ScreenId::MainMenu);
    QCOMPARE(table.switcher.switches[0].positionFrom, table.screen.get());
    QCOMPARE(table.switcher.unloads, std::vector<ScreenId>{ScreenId::CardTable});
    // No tick of the dropped table may run any more.
    QVERIFY(!table.screen->meterTimer().isActive());
    QVERIFY(!table.screen->drawTimer().isActive());
    QVERIFY(!table.screen->paintTimer().isActive());
    QVERIFY(table.switcher.doubleUps.empty());
}

void CardTableTest::timersRestWhenNothingHappens() {
    Table table;
    KarteIgra& screen = *table.screen;
    QVERIFY(screen.meterTimer().isActive()); // the meters' first tick is due
    table.meters();
    QVERIFY(!screen.meterTimer().isActive());
    QVERIFY(!screen.drawTimer().isActive());
    // Cards without colour have nothing to paint.
    QVERIFY(!screen.paintTimer().isActive());

    table.key(Qt::Key_F2);
    QVERIFY(screen.meterTimer().isActive());
    table.meters();
    table.key(Qt::Key_Return);
    QVERIFY(screen.drawTimer().isActive());
    table.random.push({0.1f, 0.1f, 0.3f, 0.6f, 0.9f});
    QVERIFY(table.screen->Brojac_Timer()); // the draw goes on while the spin runs
    QVERIFY(screen.paintTimer().isActive());
    table.screen->paintTimer().fire();
    QVERIFY(!screen.paintTimer().isActive());
    table.key(Qt::Key_Return);
    QVERIFY(!screen.drawTimer().isActive());
    table.key(Qt::Key_Return);
    table.random.push({0.1f, 0.1f, 0.3f, 0.6f, 0.9f}); // the same colours again
    table.screen->drawTimer().fire();
    QVERIFY(!screen.paintTimer().isActive());
    table.key(Qt::Key_Return);
    table.key(Qt::Key_Return);
    table.meters();
    QVERIFY(!screen.meterTimer().isActive());
    QVERIFY(!screen.drawTimer().isActive());
    QVERIFY(!screen.paintTimer().isActive());
    // A new hand paints the last hand's colours before its first draw.
    table.key(Qt::Key_Return);
    QVERIFY(screen.paintTimer().isActive());
    table.screen->paintTimer().fire();
    QCOMPARE(table.faceColour(5), greenPicture);
}

void CardTableTest::newHolderPicturesReachTheFaces() {
    Table table;
    table.key(Qt::Key_F2);
    table.key(Qt::Key_Return);
    table.draw(QStringLiteral("RRRRB"));
    QCOMPARE(table.faceColour(1), redPicture);
    table.bank.setHolder(CardColour::Red, plainPicture(Qt::white, {10, 10}));
    table.screen->paintTimer().fire();
    QCOMPARE(table.faceColour(1), QColor(Qt::white));
    QCOMPARE(table.faceColour(5), bluePicture);
}

// A spin changes the faces twenty times a second. A card picture covers its
// face, so only the faces are drawn again, never the table beneath them;
// where a player's picture is see-through, the table must show through it.
void CardTableTest::aSpinRepaintsTheTableOnlyUnderSeeThroughCards_data() {
    QTest::addColumn<bool>("seeThrough");
    QTest::newRow("card pictures") << false;
    QTest::newRow("a see-through blue picture") << true;
}

void CardTableTest::aSpinRepaintsTheTableOnlyUnderSeeThroughCards() {
    QFETCH(bool, seeThrough);
    Table table;
    if (seeThrough)
        table.bank.setHolder(CardColour::Blue, plainPicture(Qt::transparent, {93, 145}));
    KarteIgra& screen = *table.screen;
    // The test steps every tick itself.
    const auto holdTimers = [&] {
        screen.meterTimer().stop();
        screen.drawTimer().stop();
        screen.paintTimer().stop();
    };
    screen.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    table.key(Qt::Key_F2);
    table.key(Qt::Key_Return);
    table.draw(QStringLiteral("RRRRR"));
    table.meters();
    holdTimers();
    shownWindow(screen);

    PaintCounter tablePaints(screen);
    table.draw(QStringLiteral("RBYGB"));
    holdTimers();
    const QImage shown = shownWindow(screen);
    const QPoint centre = table.face(2)->geometry().center();
    if (seeThrough) {
        const QImage background(QStringLiteral(":/backgrounds/KarteIgra.jpg"));
        QVERIFY(tablePaints.paints > 0);
        QCOMPARE(shown.pixelColor(centre), background.pixelColor(centre));
    } else {
        QCOMPARE(tablePaints.paints, 0);
        QCOMPARE(shown.pixelColor(centre), bluePicture);
    }
    QCOMPARE(shown.pixelColor(table.face(3)->geometry().center()), yellowPicture);
}

QTEST_MAIN(CardTableTest)
#include "test_cardtable.moc"
