// The main menu: its layout, the flash of the hovered item tick by tick,
// hover through real pointer movements, what every showing resets and loads,
// and what each click asks of the switcher and of config.not.

#include "common/fonts.h"
#include "common/imagebank.h"
#include "common/label.h"
#include "common/runtime.h"
#include "common/screentimer.h"
#include "painting.h"
#include "recordingswitcher.h"
#include "startup/glavnimeni.h"
#include "startup/menuflash.h"
#include "testsupport.h"

#include <QSet>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {

QString colourText(std::uint32_t value) {
    return QStringLiteral("%1,%2,%3")
        .arg(value & 0xFF)
        .arg((value >> 8) & 0xFF)
        .arg((value >> 16) & 0xFF);
}

// A colour value (red + 256 green + 65536 blue) as the screen shows it.
QColor toQColor(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int(value >> 16));
}

constexpr std::uint32_t resting = 250u + 250u * 256u + 250u * 65536u;
constexpr std::uint32_t black = 0;

const QString statusNewGame = QStringLiteral("Pokretanje novog tombela.");
const QString statusOptions =
    QStringLiteral("Podesavanje opcija igre: ime igraca, visina pocetnog uloga i teme.");
const QString statusControls = QStringLiteral("Kontrole igranja.");
const QString statusExit = QStringLiteral("Izlaz u windows.");

const QStringList itemNames{"menuNovaigra", "menuOpcije", "menuKontrole", "menuIzlaz", "Otombelu"};

// A shown main menu in a program folder of its own.
struct MenuRig {
    TempProgramFolder folder;
    SveSlike bank;
    RecordingSwitcher switcher;
    std::unique_ptr<glavniMeni> menu;

    explicit MenuRig(const QByteArray& settingsFile = {}) {
        if (!settingsFile.isEmpty())
            folder.write(QStringLiteral("config.not"), settingsFile);
        menu = std::make_unique<glavniMeni>(switcher, bank);
        switcher.caller = menu.get();
        menu->Move(0, 0);
        menu->Show();
        if (!QTest::qWaitForWindowExposed(menu.get()))
            QTest::qFail("the menu was never shown", __FILE__, __LINE__);
    }

    Label* label(const QString& name) const { return labelNamed(*menu, name); }
    QPoint centreOf(const QString& name) const { return label(name)->geometry().center(); }
    QString status() const { return label(QStringLiteral("Objasnjenje"))->caption(); }
    std::uint32_t colourOf(const QString& name) const { return label(name)->foreColour(); }

    // A real pointer movement to a point of the menu. Returns whether it left
    // the flash timer running; the timer is then stopped, so that the test
    // steps the ticks itself and no real tick slips in between.
    bool moveTo(QPoint point) {
        QTest::mouseMove(menu.get(), point);
        const bool ticking = menu->flashTimer().isActive();
        menu->flashTimer().stop();
        return ticking;
    }
    bool moveOver(const QString& name) { return moveTo(centreOf(name)); }
    // One flash tick as the timer runs it; the colour of the item after it.
    std::uint32_t tickShowing(const QString& name) {
        menu->Timer1_Timer();
        return colourOf(name);
    }
};

QByteArray settingsFile(const QString& name, const QString& level, const QString& theme,
                        const QString& marker) {
    return settingsBytes({name, level, theme, marker});
}

} // namespace

class MainMenuTest : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void rulesAreDrawnOnTheBackground();
    void flashScripts_data();
    void flashScripts();
    void hoverThroughRealMovements_data();
    void hoverThroughRealMovements();
    void hoverChangesKeepThePhase();
    void leavingTheWindowKeepsTheFlash();
    void flashSleepsAtRest();
    void aFlashTickRepaintsTheItemAlone();
    void flashCyclesRepeatTheirPictures();
    void keptPicturesAreAsSharpAsPlainText();
    void firstShowing();
    void returnResetsItemsButKeepsStatus();
    void clicks_data();
    void clicks();
    void failedWriteStillLeavesTheMenu();
    void writeSettingsCopiesWritesTheLastLoad();
};

void MainMenuTest::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<uint>("colour");
    QTest::newRow("title") << "Label8" << QRect(1800, 2600, 1095, 255) << "TOMBEL v1.09" << 8.25
                           << true << 0xFFFFFFu;
    QTest::newRow("nova igra") << "menuNovaigra" << QRect(2230, 3100, 975, 300) << "nova igra"
                               << 9.0 << true << uint(resting);
    QTest::newRow("opcije") << "menuOpcije" << QRect(2235, 3600, 735, 240) << "opcije" << 8.25
                            << true << uint(resting);
    QTest::newRow("kontrole") << "menuKontrole" << QRect(2235, 4100, 975, 255) << "kontrole" << 8.25
                              << true << uint(resting);
    QTest::newRow("o tombelu") << "Otombelu" << QRect(2235, 4550, 975, 255) << "o tombelu" << 8.25
                               << true << uint(resting);
    QTest::newRow("izlaz") << "menuIzlaz" << QRect(2230, 5170, 495, 255) << "izlaz" << 8.25 << true
                           << uint(resting);
    QTest::newRow("status") << "Objasnjenje" << QRect(3600, 3120, 3735, 2295) << "" << 8.25 << false
                            << 0xFFFFFFu;
}

void MainMenuTest::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(uint, colour);
    MenuRig rig;
    Label* label = rig.label(name);
    QVERIFY(label);
    // Placed as laid out; a caption the font makes wider gets room, never clipped.
    const QRect laidOut = Screen::toPixels(twips);
    QCOMPARE(label->geometry().topLeft(), laidOut.topLeft());
    QCOMPARE(label->height(), laidOut.height());
    QVERIFY(label->width() >= laidOut.width());
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(caption));
    QVERIFY(label->width() <=
            std::max(laidOut.width(), label->fontMetrics().horizontalAdvance(caption)));
    QCOMPARE(label->caption(), caption);
    QCOMPARE(label->font().pixelSize(), fonts::sized(points).pixelSize());
    QCOMPARE(label->isBold(), bold);
    QCOMPARE(colourText(label->foreColour()), colourText(colour));
    QVERIFY(label->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!label->autoFillBackground());
    QVERIFY(label->isVisible());
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void MainMenuTest::rulesAreDrawnOnTheBackground() {
    MenuRig rig;
    const QImage shot = rig.menu->grab().toImage();
    // One point on each rule: under the title, above "izlaz", and the upright
    // one between the items and the explanation.
    for (const QPoint pixel : {QPoint(300, 192), QPoint(160, 331), QPoint(232, 280)})
        QCOMPARE(shot.pixelColor(pixel), QColor(Qt::white));
    QVERIFY(rig.label(QStringLiteral("Objasnjenje"))->wordWrap());
}

// Scripts of hover changes and ticks on the flash alone: "hN" hovers item N,
// "b" is the bare menu, "r" a reset (a showing of the menu), "t" a tick. The
// expected list holds the colour every tick gives, "-" for none.
void MainMenuTest::flashScripts_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("colours");
    const QStringList cycle{"0,0,0",       "25,50,50",    "50,75,75",    "75,100,100",
                            "100,125,125", "125,150,150", "150,175,175", "175,200,200",
                            "200,225,225", "225,250,250"};
    QTest::newRow("a cycle is ten ticks and repeats")
        << "h1 t t t t t t t t t t t t" << cycle + QStringList{"0,0,0", "25,50,50"};
    QTest::newRow("nothing hovered: no colour, phase stands")
        << "t t h2 t t" << QStringList{"-", "-", "0,0,0", "25,50,50"};
    QTest::newRow("three ticks, bare menu, another item")
        << "h1 t t t b t t h3 t"
        << QStringList{"0,0,0", "25,50,50", "50,75,75", "-", "-", "75,100,100"};
    QTest::newRow("straight from item to item")
        << "h2 t t h4 t t" << QStringList{"0,0,0", "25,50,50", "50,75,75", "75,100,100"};
    QTest::newRow("a reset restarts at black")
        << "h1 t t t r h1 t" << QStringList{"0,0,0", "25,50,50", "50,75,75", "0,0,0"};
    QTest::newRow("a reset leaves nothing hovered") << "h1 t r t" << QStringList{"0,0,0", "-"};
    QTest::newRow("the credits item flashes too") << "h6 t t" << QStringList{"0,0,0", "25,50,50"};
    QTest::newRow("the same item hovered again keeps the phase")
        << "h3 t t h3 h3 t" << QStringList{"0,0,0", "25,50,50", "50,75,75"};
}

void MainMenuTest::flashScripts() {
    QFETCH(QString, script);
    QFETCH(QStringList, colours);
    MenuFlash flash;
    flash.reset();
    QStringList seen;
    for (const QString& step : script.split(u' ')) {
        if (step == QLatin1String("t")) {
            const auto colour = flash.tick();
            seen << (colour ? colourText(*colour) : QStringLiteral("-"));
        } else if (step == QLatin1String("b")) {
            flash.hover(MenuItem::None);
        } else if (step == QLatin1String("r")) {
            flash.reset();
        } else {
            flash.hover(static_cast<MenuItem>(step.mid(1).toInt()));
        }
        // Between ticks the phase is always one of 0, 25, ..., 225.
        QVERIFY(flash.flashRed() % 25 == 0 && flash.flashRed() <= 225);
    }
    QCOMPARE(seen, colours);
}

// First "opcije" is hovered; then the pointer moves over the target.
void MainMenuTest::hoverThroughRealMovements_data() {
    QTest::addColumn<QString>("target"); // a label's name, or a point "x,y"
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("hovered");
    QTest::newRow("nova igra") << "menuNovaigra" << statusNewGame << int(MenuItem::NewGame);
    QTest::newRow("kontrole") << "menuKontrole" << statusControls << int(MenuItem::Controls);
    QTest::newRow("izlaz") << "menuIzlaz" << statusExit << int(MenuItem::Exit);
    QTest::newRow("o tombelu") << "Otombelu"
                               << "<credits>" << int(MenuItem::Credits);
    QTest::newRow("bare background") << "20,20"
                                     << "" << int(MenuItem::None);
    QTest::newRow("on the upright rule") << "232,280"
                                         << "" << int(MenuItem::None);
    QTest::newRow("edge of an item's box, off its letters")
        << "211,224" << statusNewGame << int(MenuItem::NewGame);
    QTest::newRow("title swallows the move") << "Label8" << statusOptions << int(MenuItem::Options);
    QTest::newRow("status label swallows the move")
        << "Objasnjenje" << statusOptions << int(MenuItem::Options);
}

void MainMenuTest::hoverThroughRealMovements() {
    QFETCH(QString, target);
    QFETCH(QString, status);
    QFETCH(int, hovered);
    MenuRig rig;
    QVERIFY(rig.moveOver(QStringLiteral("menuOpcije")));
    QCOMPARE(rig.status(), statusOptions);
    QCOMPARE(rig.tickShowing(QStringLiteral("menuOpcije")), black);

    const QStringList xy = target.split(u',');
    if (xy.size() == 2)
        rig.moveTo({xy[0].toInt(), xy[1].toInt()});
    else
        rig.moveOver(target);

    if (status == QLatin1String("<credits>"))
        QVERIFY2(rig.status().startsWith(QLatin1String("Tombel v1.09")), qPrintable(rig.status()));
    else
        QCOMPARE(rig.status(), status);
    QCOMPARE(int(rig.menu->flash().hoveredItem()), hovered);
    // Every item rests but "opcije" while it is still the hovered one: it
    // keeps the colour of its last tick.
    for (const QString& name : itemNames) {
        const bool keepsTick = hovered == int(MenuItem::Options) && name == "menuOpcije";
        QCOMPARE(colourText(rig.colourOf(name)), colourText(keepsTick ? black : resting));
    }
}

void MainMenuTest::hoverChangesKeepThePhase() {
    MenuRig rig;
    const QString novaIgra = QStringLiteral("menuNovaigra");
    const QString kontrole = QStringLiteral("menuKontrole");
    const QString izlaz = QStringLiteral("menuIzlaz");

    // Three ticks on "nova igra", away over the bare menu, then "kontrole".
    QVERIFY(rig.moveOver(novaIgra));
    QCOMPARE(colourText(rig.tickShowing(novaIgra)), "0,0,0");
    QCOMPARE(colourText(rig.tickShowing(novaIgra)), "25,50,50");
    QCOMPARE(colourText(rig.tickShowing(novaIgra)), "50,75,75");
    rig.moveTo({20, 20});
    for (const QString& name : itemNames)
        QCOMPARE(colourText(rig.colourOf(name)), colourText(resting));
    QVERIFY(!rig.menu->Timer1_Timer());
    QCOMPARE(colourText(rig.colourOf(novaIgra)), colourText(resting));
    QVERIFY(rig.moveOver(kontrole));
    QCOMPARE(colourText(rig.colourOf(kontrole)), colourText(resting));
    QCOMPARE(colourText(rig.tickShowing(kontrole)), "75,100,100");

    // Straight on to "izlaz": "kontrole" rests at once, "izlaz" goes on.
    rig.moveOver(izlaz);
    QCOMPARE(colourText(rig.colourOf(kontrole)), colourText(resting));
    QCOMPARE(colourText(rig.tickShowing(izlaz)), "100,125,125");
    QCOMPARE(colourText(rig.colourOf(kontrole)), colourText(resting));
}

void MainMenuTest::leavingTheWindowKeepsTheFlash() {
    MenuRig rig;
    rig.moveOver(QStringLiteral("menuKontrole"));
    rig.tickShowing(QStringLiteral("menuKontrole"));
    // Out of the window with no movement over the bare menu on the way.
    QTest::mouseMove(rig.menu.get(), {700, 500});
    QCOMPARE(rig.menu->flash().hoveredItem(), MenuItem::Controls);
    QCOMPARE(rig.status(), statusControls);
    QCOMPARE(colourText(rig.tickShowing(QStringLiteral("menuKontrole"))), "25,50,50");
}

void MainMenuTest::flashSleepsAtRest() {
    MenuRig rig;
    RepeatingTimer& timer = rig.menu->flashTimer();
    QVERIFY(!timer.isActive());
    // Moving over the bare menu or the title wakes nothing.
    QVERIFY(!rig.moveTo({20, 20}));
    QVERIFY(!rig.moveOver(QStringLiteral("Label8")));
    // Hovering wakes it; once the pointer is on the bare menu, its next tick
    // puts it to sleep again.
    QVERIFY(rig.moveOver(QStringLiteral("menuIzlaz")));
    timer.wake();
    rig.moveTo({20, 20});
    timer.wake();
    timer.fire();
    QVERIFY(!timer.isActive());
    // A hidden menu does not tick either: its next showing resets every item.
    rig.moveOver(QStringLiteral("menuIzlaz"));
    timer.wake();
    rig.menu->Hide();
    const std::uint32_t before = rig.colourOf(QStringLiteral("menuIzlaz"));
    timer.fire();
    QVERIFY(!timer.isActive());
    QCOMPARE(rig.colourOf(QStringLiteral("menuIzlaz")), before);
}

// The flash recolours an item fifty times a second: a tick repaints that
// item's box alone, which shows the new colour over the untouched picture.
void MainMenuTest::aFlashTickRepaintsTheItemAlone() {
    MenuRig rig;
    const QString name = QStringLiteral("menuKontrole");
    Label* item = rig.label(name);
    QVERIFY(rig.moveOver(name));
    shownWindow(*rig.menu);
    PaintCounter menuPaints(*rig.menu);
    PaintCounter itemPaints(*item);
    PaintCounter statusPaints(*rig.label(QStringLiteral("Objasnjenje")));
    const QImage background(QStringLiteral(":/backgrounds/glavniMeni.jpg"));
    const QRect box = item->geometry();
    std::uint32_t before = resting;
    for (const std::uint32_t colour : {0x000000u, 0x323219u, 0x4B4B32u}) {
        QCOMPARE(rig.tickShowing(name), colour);
        const QImage shown = shownWindow(*rig.menu);
        // The letters' cores show the colour exactly; nothing of the last one is left.
        bool showsColour = false;
        bool showsBefore = false;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                showsColour = showsColour || pixel == toQColor(colour);
                showsBefore = showsBefore || pixel == toQColor(before);
            }
        }
        QVERIFY(showsColour);
        QVERIFY(!showsBefore);
        // Below the letters lies the picture.
        for (int x = box.left(); x <= box.right(); ++x)
            QCOMPARE(shown.pixelColor(x, box.bottom()), background.pixelColor(x, box.bottom()));
        before = colour;
    }
    QCOMPARE(itemPaints.paints, 3);
    QCOMPARE(menuPaints.paints, 0);
    QCOMPARE(statusPaints.paints, 0);
}

// An item keeps the pictures of the cycle's colours once drawn: the second
// round, and a round after the menu was hidden and shown again, show exactly
// what the first showed.
void MainMenuTest::flashCyclesRepeatTheirPictures() {
    MenuRig rig;
    const QString name = QStringLiteral("menuOpcije");
    const QRect box = rig.label(name)->geometry();
    const int cycle = MenuFlash::coloursInCycle;
    QList<std::uint32_t> colours;
    const auto round = [&] {
        QList<QImage> pictures;
        for (int tick = 0; tick < cycle; ++tick) {
            colours << rig.tickShowing(name);
            pictures << shownWindow(*rig.menu).copy(box);
        }
        return pictures;
    };
    QVERIFY(rig.moveOver(name));
    const QList<QImage> first = round();
    // A cycle shows as many colours as the item keeps, each a picture of its own.
    QCOMPARE(QSet<std::uint32_t>(colours.begin(), colours.end()).size(), cycle);
    for (int tick = 1; tick < cycle; ++tick)
        QVERIFY(first[tick] != first[tick - 1]);
    QCOMPARE(round(), first);
    QCOMPARE(colours.mid(cycle), colours.first(cycle));

    rig.moveTo(QPoint(1, 1));
    rig.menu->Hide();
    rig.menu->Show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.menu.get()));
    QVERIFY(rig.moveOver(name));
    QCOMPARE(round(), first);
    // The pointer leaves, so the next test's first movement is a real one.
    rig.moveTo(QPoint(1, 1));
}

// The flash draws an item from pictures it keeps. Made at a lower pixel
// ratio than the window's, they would show the item blurred beside every
// other text at 150 or 200 %: at any scale (CTest runs this once more at
// scale 2), an item must show exactly what a plain label draws there.
void MainMenuTest::keptPicturesAreAsSharpAsPlainText() {
    MenuRig rig;
    QVERIFY(rig.moveOver(QStringLiteral("menuKontrole")));
    rig.tickShowing(QStringLiteral("menuKontrole"));
    Label* item = rig.label(QStringLiteral("menuKontrole"));
    const QImage kept = rig.menu->grab(item->geometry()).toImage();
    QCOMPARE(kept.size(), item->size() * rig.menu->devicePixelRatio());

    Label plain(rig.menu.get(), "plain", {}, item->caption(), item->font());
    plain.setGeometry(item->geometry());
    plain.setForeColour(item->foreColour());
    item->hide();
    plain.show();
    QCOMPARE(rig.menu->grab(item->geometry()).toImage(), kept);
}

void MainMenuTest::firstShowing() {
    MenuRig rig;
    const Settings defaults = Settings::defaults();
    QCOMPARE(rig.menu->settingsCopies(), defaults);
    QCOMPARE(rig.folder.read(QStringLiteral("config.not")), settingsBytes(defaults));
    QCOMPARE(rig.status(), QString());
    QCOMPARE(rig.menu->flash().hoveredItem(), MenuItem::None);
    QVERIFY(rig.switcher.calls.empty());
    // Theme 1 has filled the holders.
    for (int picture = 1; picture <= 4; ++picture)
        QCOMPARE(rig.bank.holder(holderOfThemePicture(picture)).cacheKey(),
                 rig.bank.themePicture(1, picture).cacheKey());
}

void MainMenuTest::returnResetsItemsButKeepsStatus() {
    MenuRig rig(settingsFile("Ana", "2", "1", "o"));
    const QString opcije = QStringLiteral("menuOpcije");
    rig.moveOver(opcije);
    rig.tickShowing(opcije);
    rig.tickShowing(opcije);
    QCOMPARE(colourText(rig.tickShowing(opcije)), "50,75,75");
    QTest::mouseClick(rig.label(opcije), Qt::LeftButton);
    QVERIFY(rig.menu->isHidden());
    // The options screen changes the file before the menu comes back.
    rig.folder.write(QStringLiteral("config.not"), settingsFile("Mara", "3", "2", "o"));

    rig.menu->Show();
    QCOMPARE(rig.menu->settingsCopies(), (Settings{"Mara", "3", "2", "o"}));
    for (const QString& name : itemNames)
        QCOMPARE(colourText(rig.colourOf(name)), colourText(resting));
    QCOMPARE(rig.status(), statusOptions);
    // Nothing flashes until the pointer moves, even though it rests on "opcije".
    QVERIFY(!rig.menu->Timer1_Timer());
    QCOMPARE(colourText(rig.colourOf(opcije)), colourText(resting));
    // The phase starts over: the first tick on an item is black.
    rig.moveTo(rig.centreOf(opcije) + QPoint(1, 0));
    QCOMPARE(colourText(rig.tickShowing(opcije)), "0,0,0");
}

void MainMenuTest::clicks_data() {
    QTest::addColumn<QString>("target"); // a label's name, or "background"
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("writes");
    QTest::addColumn<bool>("hides");
    QTest::newRow("nova igra") << "menuNovaigra" << QStringList{"switchTo CardTable"} << false
                               << true;
    QTest::newRow("opcije") << "menuOpcije" << QStringList{"switchTo Options"} << true << true;
    QTest::newRow("kontrole") << "menuKontrole" << QStringList{"switchTo Controls"} << false
                              << true;
    QTest::newRow("izlaz") << "menuIzlaz" << QStringList{"endProgram"} << true << false;
    QTest::newRow("o tombelu") << "Otombelu" << QStringList{} << false << false;
    QTest::newRow("title") << "Label8" << QStringList{} << false << false;
    QTest::newRow("status label") << "Objasnjenje" << QStringList{} << false << false;
    QTest::newRow("background") << "background" << QStringList{} << false << false;
}

void MainMenuTest::clicks() {
    QFETCH(QString, target);
    QFETCH(QStringList, calls);
    QFETCH(bool, writes);
    QFETCH(bool, hides);
    const QByteArray loaded = settingsFile("Ana", "3", "2", "o");
    MenuRig rig(loaded);
    // Someone changes the file after the menu read it: a writing click puts
    // back the menu's copies as they stand, unchanged as they are.
    const QByteArray changed = settingsFile("Other", "1", "4", "x");
    rig.folder.write(QStringLiteral("config.not"), changed);
    rig.moveOver(QStringLiteral("menuOpcije"));
    rig.tickShowing(QStringLiteral("menuOpcije"));
    const MenuFlash flashBefore = rig.menu->flash();
    const QString statusBefore = rig.status();

    if (target == QLatin1String("background"))
        QTest::mouseClick(rig.menu.get(), Qt::LeftButton, {}, {20, 20});
    else
        QTest::mouseClick(rig.label(target), Qt::LeftButton);

    QCOMPARE(rig.switcher.calls, calls);
    // The menu asks for the next screen while it still shows, then hides.
    for (const auto& call : rig.switcher.switches)
        QCOMPARE(call.positionFrom, rig.menu.get());
    for (qsizetype i = 0; i < rig.switcher.calls.size(); ++i)
        if (rig.switcher.calls[i].startsWith(QLatin1String("switchTo")))
            QVERIFY2(rig.switcher.callerVisible[i], "the menu hid before it switched");
    QCOMPARE(rig.folder.read(QStringLiteral("config.not")), writes ? loaded : changed);
    QCOMPARE(rig.menu->isHidden(), hides);
    // A click leaves the hover state and the status as they were.
    QCOMPARE(rig.menu->flash().hoveredItem(), flashBefore.hoveredItem());
    QCOMPARE(rig.menu->flash().flashRed(), flashBefore.flashRed());
    QCOMPARE(rig.status(), statusBefore);
}

void MainMenuTest::failedWriteStillLeavesTheMenu() {
    MenuRig rig;
    // config.not turns into a folder: no write can succeed now.
    QVERIFY(rig.folder.replaceWithFolder(QStringLiteral("config.not")));
    QVERIFY(!rig.menu->writeSettingsCopies());

    // The player is told, and the options screen opens all the same.
    QTest::mouseClick(rig.label(QStringLiteral("menuOpcije")), Qt::LeftButton);
    QCOMPARE(rig.switcher.calls, QStringList{"switchTo Options"});
    QVERIFY(rig.menu->isHidden());
    QCOMPARE(dismissSaveFailed(), 1);

    // Back in the menu the load falls back on the defaults without a word,
    // and "izlaz" ends the program at once: the player knows already.
    rig.menu->Show();
    QCOMPARE(rig.menu->settingsCopies(), Settings::defaults());
    QCOMPARE(dismissSaveFailed(), 0);
    QTest::mouseClick(rig.label(QStringLiteral("menuIzlaz")), Qt::LeftButton);
    QCOMPARE(dismissSaveFailed(), 0);
    QCOMPARE(rig.switcher.calls, (QStringList{"switchTo Options", "endProgram"}));
}

void MainMenuTest::writeSettingsCopiesWritesTheLastLoad() {
    // Three lines only: the copies hold an empty fourth value, and writing
    // them gives the file its fourth line.
    MenuRig rig(QByteArray("\"Ana\"\r\n\"2\"\r\n\"3\"\r\n"));
    QCOMPARE(rig.menu->settingsCopies(), (Settings{"Ana", "2", "3", ""}));
    QCOMPARE(rig.folder.read(QStringLiteral("config.not")),
             QByteArray("\"Ana\"\r\n\"2\"\r\n\"3\"\r\n"));
    QVERIFY(rig.menu->writeSettingsCopies());
    QCOMPARE(rig.folder.read(QStringLiteral("config.not")),
             QByteArray("\"Ana\"\r\n\"2\"\r\n\"3\"\r\n\"\"\r\n"));
}

QTEST_MAIN(MainMenuTest)
#include "test_mainmenu.moc"
