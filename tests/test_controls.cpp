// The controls screen: its key help, and the settings it reads on every
// showing and writes back unchanged on "unazad".

#include "common/label.h"
#include "common/settingsfile.h"
#include "recordingswitcher.h"
#include "settings_screens/kontrole.h"
#include "settingsrows.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <algorithm>

namespace {
struct Text {
    const char* caption;
    QRect twips; // Left, Top, Width, Height
};

// Every text shown, with where it stands: caption, then Left and Top in twips.
QStringList shownTexts(const Kontrole& screen) {
    QStringList texts;
    for (const Label* label : screen.findChildren<Label*>())
        if (!label->isHidden())
            texts << QStringLiteral("%1 @ %2,%3")
                         .arg(label->caption())
                         .arg(label->x() * Screen::twipsPerPixel)
                         .arg(label->y() * Screen::twipsPerPixel);
    texts.sort();
    return texts;
}

void clickUnazad(const Kontrole& screen) {
    QTest::mouseClick(labelNamed(screen, "SnimiOpcije"), Qt::LeftButton);
}
} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void keyHelp();
    void rewritesTheFileUnchanged_data();
    void rewritesTheFileUnchanged();
    void everyVisitReadsAnew();
    void writeFailureStillReturnsToTheMenu();
};

void ControlsTest::keyHelp() {
    const Text layout[] = {
        {"KONTROLE", {1800, 2580, 2535, 255}},
        {"Tombel:", {1800, 2970, 975, 255}},
        {"Vrti", {1800, 3360, 975, 255}},
        {"Ulog - 50.00", {1800, 3600, 1335, 255}},
        {"Ulog + 50.00", {1800, 3840, 1215, 255}},
        {"Ulog - 1,000.00", {1800, 4080, 1455, 255}},
        {"Ulog + 1,000.00", {1800, 4320, 1455, 255}},
        {"Zadrzi kartu", {1800, 4560, 1215, 255}},
        {"ENTER", {3360, 3360, 855, 255}},
        {"F1", {3360, 3600, 855, 255}},
        {"F2", {3360, 3840, 855, 255}},
        {"F3", {3360, 4080, 855, 255}},
        {"F4", {3360, 4320, 855, 255}},
        {"1,2,3,4,5", {3360, 4560, 855, 255}},
        {"Veca/manja:", {4800, 2970, 975, 255}},
        {"Ulazak", {4800, 3360, 975, 255}},
        {"Veca", {4800, 3600, 975, 255}},
        {"Manja", {4800, 3840, 975, 255}},
        {"Kasiraj pola", {4800, 4080, 1095, 255}},
        {"Kasiraj sve", {4800, 4320, 1095, 255}},
        {"Vrac. na tombel", {4800, 4560, 1095, 255}},
        {"Insert", {6240, 3360, 855, 255}},
        {"Page Up", {6240, 3600, 855, 255}},
        {"Page Down", {6240, 3840, 855, 255}},
        {"Delete", {6240, 4080, 855, 255}},
        {"End", {6240, 4320, 855, 255}},
        {"ENTER", {6240, 4560, 855, 255}},
        {"unazad", {3120, 5160, 2895, 255}},
    };
    QStringList expected;
    for (const Text& text : layout)
        expected << QStringLiteral("%1 @ %2,%3")
                        .arg(QString::fromLatin1(text.caption))
                        .arg(text.twips.x())
                        .arg(text.twips.y());
    expected.sort();

    RecordingSwitcher switcher;
    Kontrole screen(switcher);
    // Each label has its given size, wider only where its text needs more
    // room, and never so wide that it reaches the rule beside it.
    for (const Label* label : screen.findChildren<Label*>()) {
        const auto given = std::find_if(std::begin(layout), std::end(layout), [&](const Text& t) {
            return label->caption() == QLatin1String(t.caption) &&
                   label->pos() == Screen::toPixels(t.twips).topLeft();
        });
        QVERIFY2(given != std::end(layout), qPrintable(label->caption()));
        const QRect pixels = Screen::toPixels(given->twips);
        const int needed = label->fontMetrics().horizontalAdvance(label->caption());
        QCOMPARE(label->height(), pixels.height());
        QCOMPARE(label->width(), std::max(pixels.width(), needed));
        if (label->width() > pixels.width()) {
            const int rule = label->x() < 4560 / 15 ? 3240 / 15 : 6120 / 15;
            QVERIFY(label->geometry().right() < rule);
        }
    }

    // The same texts whatever the settings hold, and on every visit.
    const QByteArray files[] = {settingsBytes(Settings::defaults()),
                                settingsBytes({"Ana", "3", "6", "ENTER"}), QByteArray()};
    TempProgramFolder folder;
    QCOMPARE(shownTexts(screen), expected);
    for (const QByteArray& file : files) {
        QFile::remove(folder.file("config.not"));
        if (!file.isNull())
            folder.write("config.not", file);
        screen.Show();
        QCOMPARE(shownTexts(screen), expected);
        clickUnazad(screen);
    }

    const Label* title = labelNamed(screen, "Label14");
    const Label* back = labelNamed(screen, "SnimiOpcije");
    QVERIFY(title->isBold());
    QVERIFY(back->isBold());
    QCOMPARE(back->foreColour(), 0u);
    QCOMPARE(back->alignment(), Qt::AlignCenter);
    for (const Label* label : screen.findChildren<Label*>()) {
        if (label != back) {
            QCOMPARE(label->foreColour(), 0xFFFFFFu);
            QCOMPARE(label->isBold(), label == title);
        }
    }
    // Nothing here takes the keyboard.
    for (const QWidget* widget : screen.findChildren<QWidget*>())
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
}

void ControlsTest::rewritesTheFileUnchanged_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Settings>("written");
    const auto row = [](const char* name, const Settings& s) {
        QTest::newRow(name) << settingsBytes(s) << s;
    };
    row("defaults", Settings::defaults());
    row("chosen values", {"Ana", "3", "6", "x"});
    row("comma in the name", {"Marko, Ana", "2", "4", "x"});
    row("quote in the name", {"Mali \"Zmaj\"", "2", "4", "x"});
    row("empty name", {"", "2", "4", "x"});
    row("blanks everywhere", {" ", " 2", "06 ", " "});
    row("long name", {"Aleksandar Karadjordjevic Petrovic", "1", "1", "x"});
    row("non-ASCII", {QString::fromUtf8("Đorđe"), "1", "2", QString::fromUtf8("ž")});
    row("empty fourth field", {"Ana", "1", "1", ""});
    addForeignSettingsFileRows();
}

void ControlsTest::rewritesTheFileUnchanged() {
    QFETCH(QByteArray, file);
    QFETCH(Settings, written);
    TempProgramFolder folder;
    if (!file.isNull())
        folder.write("config.not", file);
    RecordingSwitcher switcher;
    Kontrole screen(switcher);
    screen.Move(3000, 2000);
    screen.Show();
    // Showing reads but never writes.
    QCOMPARE(folder.read("config.not"), file);
    QCOMPARE(folder.exists("config.not"), !file.isNull());
    QVERIFY(switcher.switches.empty());
    screen.Move(4500, 3000); // a dragged window does not take the menu along

    clickUnazad(screen);
    QCOMPARE(folder.read("config.not"), settingsBytes(written));
    QCOMPARE(switcher.switches.size(), std::size_t(1));
    QCOMPARE(switcher.switches[0].target, ScreenId::MainMenu);
    QCOMPARE(switcher.switches[0].positionFrom, nullptr);
    QCOMPARE(switcher.calls, QStringList{"switchTo MainMenu"});
    QVERIFY(screen.isHidden());
}

void ControlsTest::everyVisitReadsAnew() {
    TempProgramFolder folder;
    folder.write("config.not", settingsBytes({"Ana", "1", "1", "x"}));
    RecordingSwitcher switcher;
    Kontrole screen(switcher);
    screen.Show();
    clickUnazad(screen);

    // Another screen saves new values between two visits: the second visit
    // writes those, not what the first one read.
    const Settings later{"Bane", "3", "4", "o"};
    folder.write("config.not", settingsBytes(later));
    screen.Show();
    clickUnazad(screen);
    QCOMPARE(folder.read("config.not"), settingsBytes(later));
    QCOMPARE(switcher.switches.size(), std::size_t(2));
}

void ControlsTest::writeFailureStillReturnsToTheMenu() {
    TempProgramFolder folder;
    folder.write("config.not", settingsBytes({"Ana", "2", "3", "x"}));
    RecordingSwitcher switcher;
    Kontrole screen(switcher);
    screen.Show();
    QVERIFY(folder.replaceWithFolder("config.not"));

    clickUnazad(screen);
    QCOMPARE(switcher.switches.size(), std::size_t(1));
    QCOMPARE(dismissSaveFailed(), 1);
    QCOMPARE(switcher.switches[0].target, ScreenId::MainMenu);
    QVERIFY(screen.isHidden());
    QVERIFY(QFileInfo(folder.file("config.not")).isDir());
    QCOMPARE(folder.entries(), QStringList{"config.not"});
}

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
