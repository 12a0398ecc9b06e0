// The start-up screens inside the real composition root: the intro hands over
// to the main menu at its own place, the menu lives on while the screens it
// opens come and go, and every way of ending the program ends it once, saving
// the menu's settings only where there is a menu.

#include "app/screenset.h"
#include "card_table/karteigra.h"
#include "common/imagebank.h"
#include "common/label.h"
#include "common/screentimer.h"
#include "double_up/vecamanja.h"
#include "painting.h"
#include "settings_screens/kontrole.h"
#include "settings_screens/opcije.h"
#include "startup/glavnimeni.h"
#include "startup/intrro.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>

namespace {

struct Program {
    TempProgramFolder folder;
    ScriptedRandom random;
    int ends = 0;
    ScreenSet screens{random, [this] { ++ends; }};

    // Starts the program with the intro and holds its real timer, so that the
    // test steps the fade itself.
    Intrro& start() {
        screens.start();
        Intrro* intro = screens.intro();
        intro->fadeTimer().stop();
        return *intro;
    }

    static void tick(Intrro& intro, int ticks) {
        for (int step = 0; step < ticks; ++step)
            intro.Timer1_Timer();
    }

    glavniMeni& startToMenu() {
        Intrro& intro = start();
        tick(intro, 256);
        settle();
        return *screens.mainMenu();
    }

    // Lets closed screens go, as the event loop would.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static void click(Screen& screen, const char* label) {
        QTest::mouseClick(screen.findChild<Label*>(QLatin1String(label)), Qt::LeftButton);
    }

    QStringList shown() const { return visibleScreens(screens); }
};

} // namespace

class ScreenSetTest : public QObject {
    Q_OBJECT
private slots:
    void startShowsOnlyTheIntro();
    void introHandsOverAtItsPlaceOnTheLastTick();
    void cardTableIsCreatedAfreshOnEveryGame();
    void doubleUpWinningsComeBackToTheTable();
    void optionsAndControlsAreHiddenAndShownAgain_data();
    void optionsAndControlsAreHiddenAndShownAgain();
    void frameCloseSavesTheMenuCopiesAndEnds_data();
    void frameCloseSavesTheMenuCopiesAndEnds();
    void closingTheIntroEndsWithoutWriting();
    void izlazSavesAndEnds();
    void everyTimerOfEveryScreen();
};

void ScreenSetTest::startShowsOnlyTheIntro() {
    Program program;
    program.start();
    QCOMPARE(program.shown(), QStringList{"Intro"});
    for (ScreenId id : {ScreenId::MainMenu, ScreenId::CardTable, ScreenId::DoubleUp,
                        ScreenId::Options, ScreenId::Controls})
        QVERIFY(!program.screens.existing(id));
    // The settings file is first touched by the menu, after the fade.
    QVERIFY(!program.folder.exists(QStringLiteral("config.not")));
}

void ScreenSetTest::introHandsOverAtItsPlaceOnTheLastTick() {
    Program program;
    Intrro& intro = program.start();
    QPointer<Intrro> watch(&intro);
    // The player drags the intro during the fade.
    program.tick(intro, 100);
    intro.Move(1500, 2250);
    const QPoint place = intro.position();
    program.tick(intro, 155);
    QVERIFY(!program.screens.mainMenu());
    QVERIFY(!program.folder.exists(QStringLiteral("config.not")));

    program.tick(intro, 1);
    glavniMeni* menu = program.screens.mainMenu();
    QVERIFY(menu);
    QCOMPARE(menu->position(), place);
    QCOMPARE(program.shown(), QStringList{"MainMenu"});
    QVERIFY(!program.screens.intro());
    QCOMPARE(program.folder.read(QStringLiteral("config.not")),
             settingsBytes(Settings::defaults()));
    program.settle();
    QVERIFY(watch.isNull());
    QCOMPARE(program.ends, 0);
}

void ScreenSetTest::cardTableIsCreatedAfreshOnEveryGame() {
    Program program;
    glavniMeni& menu = program.startToMenu();
    menu.Move(3000, 1500);

    program.click(menu, "menuNovaigra");
    QPointer<Screen> firstTable = program.screens.existing(ScreenId::CardTable);
    QVERIFY(firstTable);
    QCOMPARE(program.shown(), QStringList{"CardTable"});
    QCOMPARE(firstTable->position(), menu.position());

    // "kraj igre": the table places the menu at its own position, shows it
    // and closes itself.
    firstTable->Move(4500, 3000);
    program.screens.switchTo(*firstTable, ScreenId::MainMenu, Placing::AtCaller, Leaving::Unload);
    program.settle();
    QVERIFY(firstTable.isNull());
    QCOMPARE(program.screens.mainMenu(), &menu);
    QCOMPARE(menu.position(), QPoint(4500, 3000));
    QCOMPARE(program.shown(), QStringList{"MainMenu"});

    program.click(menu, "menuNovaigra");
    QVERIFY(program.screens.existing(ScreenId::CardTable));
    QCOMPARE(program.shown(), QStringList{"CardTable"});
    QCOMPARE(program.screens.mainMenu(), &menu);
}

void ScreenSetTest::doubleUpWinningsComeBackToTheTable() {
    // A win taken to the double-up, doubled once, half cashed, and carried
    // back with Enter: the card table must come back shown, where the
    // double-up stood, holding and showing the credit the double-up handed
    // back. The table's own meter timer shows it; no tick is fired by hand.
    Program program;
    glavniMeni& menu = program.startToMenu();
    program.click(menu, "menuNovaigra");
    KarteIgra* table = program.screens.cardTable();
    QVERIFY(table);
    const auto key = [](Screen* screen, Qt::Key key) { QTest::keyClick(screen, key); };
    const auto draw = [&](const char* codes) {
        for (const char* code = codes; *code; ++code)
            program.random.push(ScriptedRandom::forDrawCode(*code - '0'));
        table->drawTimer().fire();
        table->paintTimer().fire();
    };

    key(table, Qt::Key_F4); // a stake of 1,000 out of 2,000
    key(table, Qt::Key_Return);
    draw("33331");
    key(table, Qt::Key_Return);
    key(table, Qt::Key_Return);
    draw("33333");
    key(table, Qt::Key_Return); // five yellow: a win of 5,000
    QCOMPARE(table->hand().win(), 5000);

    program.random.push({0.2f, 0.7f}); // the outcomes: Page Up wins, then Page Down
    key(table, Qt::Key_Insert);
    VecaManja* doubleUp = program.screens.doubleUp();
    QVERIFY(doubleUp);
    QCOMPARE(program.shown(), QStringList{"DoubleUp"});
    // The player takes a while here; the hidden table's meters come to rest.
    QTRY_VERIFY(!table->meterTimer().isActive());
    key(doubleUp, Qt::Key_PageUp); // right: 10,000 at stake
    key(doubleUp, Qt::Key_Delete); // 5,000 to the credit, 5,000 left
    doubleUp->Move(doubleUp->position() + QPoint(1200, -450));
    const QPoint place = doubleUp->position();
    key(doubleUp, Qt::Key_Return);
    program.settle();

    QVERIFY(!program.screens.doubleUp());
    QCOMPARE(program.shown(), QStringList{"CardTable"});
    QCOMPARE(table->position(), place);
    QCOMPARE(table->hand().credit(), 11000);
    QTRY_COMPARE(labelNamed(*table, QStringLiteral("pareReal"))->caption(),
                 QStringLiteral("11,000.00"));
    QCOMPARE(labelNamed(*table, QStringLiteral("dobitakReal"))->caption(), QStringLiteral("0.00"));
    QCOMPARE(labelNamed(*table, QStringLiteral("ulogReal"))->caption(), QStringLiteral("1,000.00"));
    const QImage back = program.screens.bank().picture(SveSlike::Picture::Eks).toImage();
    for (int card = 1; card <= 5; ++card) {
        auto* face = table->findChild<QLabel*>(QStringLiteral("Karta%1").arg(card));
        QCOMPARE(face->pixmap().toImage(), back);
    }
    QVERIFY(!table->findChild<QWidget*>(QStringLiteral("slikaVecaManja"))->isVisible());
}

void ScreenSetTest::optionsAndControlsAreHiddenAndShownAgain_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("shownName");
    QTest::newRow("opcije") << "menuOpcije" << int(ScreenId::Options) << "Options";
    QTest::newRow("kontrole") << "menuKontrole" << int(ScreenId::Controls) << "Controls";
}

void ScreenSetTest::optionsAndControlsAreHiddenAndShownAgain() {
    QFETCH(QString, item);
    QFETCH(int, target);
    QFETCH(QString, shownName);
    const auto id = static_cast<ScreenId>(target);
    Program program;
    glavniMeni& menu = program.startToMenu();
    const QPoint menuPlace = menu.position();

    program.click(menu, qPrintable(item));
    Screen* screen = program.screens.existing(id);
    QVERIFY(screen);
    QCOMPARE(program.shown(), QStringList{shownName});
    QCOMPARE(screen->position(), menuPlace);
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    const QImage firstShown = shownWindow(*screen);

    // "unazad" after the player dragged the screen: the menu is shown where
    // it was, not placed, and the screen only hides.
    screen->Move(menuPlace + QPoint(1500, 1500));
    program.screens.switchTo(*screen, ScreenId::MainMenu, Placing::Kept, Leaving::Hide);
    QCOMPARE(program.shown(), QStringList{"MainMenu"});
    QCOMPARE(menu.position(), menuPlace);

    // The player drags the menu: the hidden screen opens where the menu's
    // outer frame now stands (the offscreen platform draws a thin frame).
    menu.Move(menuPlace + QPoint(-900, 600));
    program.click(menu, qPrintable(item));
    QCOMPARE(program.screens.existing(id), screen);
    QCOMPARE(program.shown(), QStringList{shownName});
    QCOMPARE(screen->position(), menuPlace + QPoint(-900, 600));
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    QCOMPARE(shownWindow(*screen), firstShown);
}

void ScreenSetTest::frameCloseSavesTheMenuCopiesAndEnds_data() {
    QTest::addColumn<QString>("from"); // the screen whose frame is closed
    QTest::newRow("main menu") << "menu";
    QTest::newRow("options, menu hidden") << "options";
    QTest::newRow("card table, menu hidden") << "table";
}

void ScreenSetTest::frameCloseSavesTheMenuCopiesAndEnds() {
    QFETCH(QString, from);
    Program program;
    const QByteArray loaded = settingsBytes({"Ana", "3", "2", "o"});
    program.folder.write(QStringLiteral("config.not"), loaded);
    glavniMeni& menu = program.startToMenu();
    Screen* closing = &menu;
    if (from == QLatin1String("options")) {
        program.click(menu, "menuOpcije");
        closing = program.screens.existing(ScreenId::Options);
    } else if (from == QLatin1String("table")) {
        program.click(menu, "menuNovaigra");
        closing = program.screens.existing(ScreenId::CardTable);
    }
    // The file changed behind the menu's back: what is saved is its copies.
    program.folder.write(QStringLiteral("config.not"), settingsBytes(Settings::defaults()));

    closing->window()->close();
    QCOMPARE(program.ends, 1);
    QCOMPARE(program.folder.read(QStringLiteral("config.not")), loaded);
    QVERIFY(program.shown().isEmpty());
}

void ScreenSetTest::closingTheIntroEndsWithoutWriting() {
    Program program;
    Intrro& intro = program.start();
    program.tick(intro, 40);
    intro.window()->close();
    QCOMPARE(program.ends, 1);
    QVERIFY(program.shown().isEmpty());
    QVERIFY(!program.screens.mainMenu());
    QVERIFY(!program.folder.exists(QStringLiteral("config.not")));
}

void ScreenSetTest::izlazSavesAndEnds() {
    Program program;
    glavniMeni& menu = program.startToMenu();
    QVERIFY(QFile::remove(program.folder.file(QStringLiteral("config.not"))));
    program.click(menu, "menuIzlaz");
    QCOMPARE(program.ends, 1);
    QCOMPARE(program.folder.read(QStringLiteral("config.not")),
             settingsBytes(Settings::defaults()));
    QVERIFY(program.shown().isEmpty());
}

// The game was timed by these intervals, written here once as the numbers
// they are: the intro's fade and the menu's flash every 20 ms, the card
// table's draw and meters every 50 ms and its faces every 10 ms, the
// double-up's displays every 10 ms and its pause 500 ms. A timer that only
// catches up once with a change is single-shot; the others repeat.
void ScreenSetTest::everyTimerOfEveryScreen() {
    Program program;
    ScreenSet& set = program.screens;
    const Intrro intro(set);
    const glavniMeni menu(set, set.bank());
    const KarteIgra table(set, set.bank(), program.random);
    const VecaManja doubleUp(set, set.bank(), program.random, DoubleUpEntry{});
    const Opcije options(set);
    const Kontrole controls(set);
    QStringList timers;
    for (const Screen* screen : std::initializer_list<const Screen*>{
             &intro, &menu, &table, &doubleUp, &options, &controls})
        for (const ScreenTimer* timer : screen->findChildren<const ScreenTimer*>())
            timers << QStringLiteral("%1.%2 %3 ms %4")
                          .arg(screen->objectName(), timer->objectName())
                          .arg(timer->interval())
                          .arg(timer->isSingleShot() ? "once" : "repeating");
    timers.sort();
    QCOMPARE(timers, (QStringList{
                         "Intrro.Timer1 20 ms repeating",
                         "KarteIgra.Brojac 50 ms repeating",
                         "KarteIgra.Timer1 50 ms once",
                         "KarteIgra.ZaNoveKarte 10 ms once",
                         "VecaManja.Timer1 10 ms once",
                         "VecaManja.Vracanje_Upitnika 500 ms once",
                         "glavniMeni.Timer1 20 ms repeating",
                     }));
}

QTEST_MAIN(ScreenSetTest)
#include "test_screenset.moc"
