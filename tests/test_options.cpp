// The options screen: which level and theme each showing marks, clicks that
// change only the screen's copies, the name box and its limit, and what
// "unazad" writes before it hands back to the main menu.

#include "common/label.h"
#include "common/settingsfile.h"
#include "recordingswitcher.h"
#include "settings_screens/opcije.h"
#include "settingsrows.h"
#include "testsupport.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

namespace {
const QStringList choiceLabels{"ulog2000", "ulog5000", "ulog10000", "Tema01", "Tema02",
                               "Tema03",   "Tema04",   "Tema05",    "Tema06"};
const QStringList markers{"OK1",     "OK2",     "OK3",     "TemaOK1", "TemaOK2",
                          "TemaOK3", "TemaOK4", "TemaOK5", "TemaOK6"};

QLineEdit* nameBox(const Opcije& screen) {
    return screen.findChild<QLineEdit*>("Load001");
}

// What the player sees of the choices: the bold choice labels, then the
// markers shown, each in layout order.
QStringList marks(const Opcije& screen) {
    QStringList seen;
    for (const QString& name : choiceLabels)
        if (labelNamed(screen, name)->isBold())
            seen << name;
    for (const QString& name : markers)
        if (!labelNamed(screen, name)->isHidden())
            seen << name;
    return seen;
}

Settings settings(const QString& name, const QString& level, const QString& theme,
                  const QString& marker = QStringLiteral("x")) {
    return {name, level, theme, marker};
}

void click(const Opcije& screen, const QString& name) {
    QTest::mouseClick(labelNamed(screen, name), Qt::LeftButton);
}
} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void stateAtCreation();
    void layout();
    void unazadIsDrawnAsAWhiteBox();
    void firstShowingMarks_data();
    void firstShowingMarks();
    void laterShowingKeepsUnrecognisedMarks_data();
    void laterShowingKeepsUnrecognisedMarks();
    void clicksChangeOnlyTheCopies_data();
    void clicksChangeOnlyTheCopies();
    void unazadWritesWhatWasRead_data();
    void unazadWritesWhatWasRead();
    void emptiedNameBringsBackTheDefaults();
    void nameBoxLimit_data();
    void nameBoxLimit();
    void nameFromTheFile_data();
    void nameFromTheFile();
    void writeFailureStillReturnsToTheMenu();
};

void OptionsTest::stateAtCreation() {
    TempProgramFolder folder;
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    QCOMPARE(marks(screen), QStringList{"TemaOK6"});
    QVERIFY(labelNamed(screen, "Tema05")->isHidden());
    // The name box is the only control that takes the keyboard.
    QWidgetList focusable;
    for (QWidget* widget : screen.findChildren<QWidget*>())
        if (widget->focusPolicy() != Qt::NoFocus)
            focusable << widget;
    QCOMPARE(focusable, QWidgetList{nameBox(screen)});
    QCOMPARE(screen.focusPolicy(), Qt::NoFocus);
    QVERIFY(switcher.switches.empty());
}

void OptionsTest::layout() {
    TempProgramFolder folder;
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    // name, caption, Left, Top, Width, Height in twips
    struct Expected {
        const char* name;
        const char* caption;
        QRect twips;
    };
    const Expected expected[] = {
        {"Label1", "OPCIJE", {1800, 2600, 735, 255}},
        {"Label12", "Ime:", {1800, 2970, 495, 255}},
        {"Label2", "Pocetni ulog:", {1800, 3795, 1095, 255}},
        {"ulog2000", "= 2,000.00", {1800, 4200, 1095, 255}},
        {"ulog5000", "= 5,000.00", {1800, 4440, 1095, 255}},
        {"ulog10000", "= 10,000.00", {1800, 4680, 1215, 255}},
        {"OK1", "[ OK ]", {3840, 4200, 615, 255}},
        {"OK2", "[ OK ]", {3840, 4440, 615, 255}},
        {"OK3", "[ OK ]", {3840, 4680, 615, 255}},
        {"Label3", "Teme:", {4800, 2970, 495, 255}},
        {"Tema01", "Poker", {4800, 3360, 1335, 255}},
        {"Tema02", "King-Kong", {4800, 3600, 1335, 255}},
        {"Tema03", "Aliens", {4800, 3840, 1335, 255}},
        {"Tema04", "Celebrities", {4800, 4080, 1575, 255}},
        {"Tema05", "xxx (18+)", {4800, 4320, 1335, 255}},
        {"Tema06", "Korisnicki", {4800, 4680, 1575, 255}},
        {"TemaOK1", "[ OK ]", {6840, 3360, 855, 255}},
        {"TemaOK2", "[ OK ]", {6840, 3600, 855, 255}},
        {"TemaOK3", "[ OK ]", {6840, 3840, 855, 255}},
        {"TemaOK4", "[ OK ]", {6840, 4080, 855, 255}},
        {"TemaOK5", "[ OK ]", {6840, 4320, 855, 255}},
        {"TemaOK6", "[ OK ]", {6840, 4680, 855, 255}},
        {"SnimiOpcije", "unazad", {3120, 5160, 2895, 255}},
    };
    const auto labels = screen.findChildren<Label*>();
    QCOMPARE(labels.size(), qsizetype(std::size(expected)));
    for (const Expected& e : expected) {
        const Label* l = labelNamed(screen, e.name);
        QCOMPARE(l->caption(), QString::fromLatin1(e.caption));
        QCOMPARE(l->geometry(), Screen::toPixels(e.twips));
        // No caption is cut, whether its choice is marked or not.
        QFont bold = l->font();
        bold.setBold(true);
        QVERIFY(QFontMetrics(bold).horizontalAdvance(l->caption()) <= l->width());
        QCOMPARE(l->foreColour(),
                 std::uint32_t(QLatin1String(e.name) == "SnimiOpcije" ? 0 : 0xFFFFFF));
    }
    QVERIFY(labelNamed(screen, "Label1")->isBold());
    QVERIFY(labelNamed(screen, "SnimiOpcije")->isBold());
    QCOMPARE(nameBox(screen)->geometry(), Screen::toPixels(QRect(1800, 3340, 2535, 285)));
    QCOMPARE(nameBox(screen)->palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(nameBox(screen)->palette().color(QPalette::Base), QColor(Qt::white));
}

void OptionsTest::unazadIsDrawnAsAWhiteBox() {
    TempProgramFolder folder;
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    const QImage picture = screen.grab().toImage();
    const QRect box = labelNamed(screen, "SnimiOpcije")->geometry();
    QCOMPARE(QColor(picture.pixel(box.topLeft())), QColor(Qt::black)); // the border
    QCOMPARE(QColor(picture.pixel(box.topLeft() + QPoint(3, 3))), QColor(Qt::white));
    QCOMPARE(QColor(picture.pixel(box.bottomRight() - QPoint(3, 3))), QColor(Qt::white));
    // The black caption stands inside it.
    int dark = 0;
    for (int x = box.left() + 2; x < box.right() - 1; ++x)
        for (int y = box.top() + 2; y < box.bottom() - 1; ++y)
            dark += qGray(picture.pixel(x, y)) < 64;
    QVERIFY(dark > 20);
}

void OptionsTest::firstShowingMarks_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");
    const auto file = [](const QString& level, const QString& theme) {
        return settingsBytes(settings("Ana", level, theme));
    };
    QTest::newRow("level 2, theme 3")
        << file("2", "3") << QStringList{"ulog5000", "Tema03", "OK2", "TemaOK3"};
    QTest::newRow("level 1, theme 1")
        << file("1", "1") << QStringList{"ulog2000", "Tema01", "OK1", "TemaOK1"};
    QTest::newRow("level 3, theme 6")
        << file("3", "6") << QStringList{"ulog10000", "Tema06", "OK3", "TemaOK6"};
    // The level is text: nothing but "1", "2" or "3" marks one.
    QTest::newRow("level 02") << file("02", "2") << QStringList{"Tema02", "TemaOK2"};
    QTest::newRow("level blank 2") << file(" 2", "2") << QStringList{"Tema02", "TemaOK2"};
    QTest::newRow("level 2 blank") << file("2 ", "2") << QStringList{"Tema02", "TemaOK2"};
    QTest::newRow("level 4") << file("4", "2") << QStringList{"Tema02", "TemaOK2"};
    QTest::newRow("level 1.0") << file("1.0", "2") << QStringList{"Tema02", "TemaOK2"};
    // The theme is a number.
    QTest::newRow("theme 06") << file("1", "06")
                              << QStringList{"ulog2000", "Tema06", "OK1", "TemaOK6"};
    QTest::newRow("theme blank 6")
        << file("1", " 6") << QStringList{"ulog2000", "Tema06", "OK1", "TemaOK6"};
    QTest::newRow("theme 4.0") << file("1", "4.0")
                               << QStringList{"ulog2000", "Tema04", "OK1", "TemaOK4"};
    // Theme 5 marks its hidden row; "Korisnicki" loses its marker.
    QTest::newRow("theme 5") << file("1", "5")
                             << QStringList{"ulog2000", "Tema05", "OK1", "TemaOK5"};
    // Themes that name nothing leave the creation marks.
    QTest::newRow("theme 7") << file("1", "7") << QStringList{"ulog2000", "OK1", "TemaOK6"};
    QTest::newRow("theme 0") << file("1", "0") << QStringList{"ulog2000", "OK1", "TemaOK6"};
    QTest::newRow("theme 2.5") << file("1", "2.5") << QStringList{"ulog2000", "OK1", "TemaOK6"};
    QTest::newRow("theme no number")
        << file("1", "Aliens") << QStringList{"ulog2000", "OK1", "TemaOK6"};
    QTest::newRow("theme empty") << file("1", "") << QStringList{"ulog2000", "OK1", "TemaOK6"};
    QTest::newRow("missing file") << QByteArray()
                                  << QStringList{"ulog2000", "Tema01", "OK1", "TemaOK1"};
    QTest::newRow("two fields") << QByteArray("\"Ana\"\r\n\"3\"\r\n")
                                << QStringList{"ulog10000", "OK3", "TemaOK6"};
}

void OptionsTest::firstShowingMarks() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    TempProgramFolder folder;
    if (!file.isNull())
        folder.write("config.not", file);
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    screen.Show();
    QCOMPARE(marks(screen), expected);
    QVERIFY(labelNamed(screen, "Tema05")->isHidden());
    // Showing never writes the file.
    QCOMPARE(folder.exists("config.not"), !file.isNull());
    QCOMPARE(folder.read("config.not"), file);
    QVERIFY(switcher.switches.empty());
}

void OptionsTest::laterShowingKeepsUnrecognisedMarks_data() {
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QStringList>("expected");
    // The first visit read level "2" and theme "3".
    QTest::newRow("02 and 7") << "02"
                              << "7" << QStringList{"ulog5000", "Tema03", "OK2", "TemaOK3"};
    QTest::newRow("4 and no number") << "4"
                                     << "x" << QStringList{"ulog5000", "Tema03", "OK2", "TemaOK3"};
    QTest::newRow("empty and empty") << ""
                                     << "" << QStringList{"ulog5000", "Tema03", "OK2", "TemaOK3"};
    QTest::newRow("1 and 7") << "1"
                             << "7" << QStringList{"ulog2000", "Tema03", "OK1", "TemaOK3"};
    QTest::newRow("blank 3 and 6") << " 3"
                                   << "6" << QStringList{"ulog5000", "Tema06", "OK2", "TemaOK6"};
    QTest::newRow("3 and 1") << "3"
                             << "1" << QStringList{"ulog10000", "Tema01", "OK3", "TemaOK1"};
}

void OptionsTest::laterShowingKeepsUnrecognisedMarks() {
    QFETCH(QString, level);
    QFETCH(QString, theme);
    QFETCH(QStringList, expected);
    TempProgramFolder folder;
    folder.write("config.not", settingsBytes(settings("Ana", "2", "3")));
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    screen.Show();
    click(screen, "SnimiOpcije");
    QVERIFY(screen.isHidden());

    folder.write("config.not", settingsBytes(settings("Ana", level, theme)));
    screen.Show();
    QCOMPARE(marks(screen), expected);
}

void OptionsTest::clicksChangeOnlyTheCopies_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("theme");
    // The file read holds level "1" and theme "1".
    QTest::newRow("none") << QStringList{} << QStringList{"ulog2000", "Tema01", "OK1", "TemaOK1"}
                          << "1"
                          << "1";
    QTest::newRow("10,000.00") << QStringList{"ulog10000"}
                               << QStringList{"ulog10000", "Tema01", "OK3", "TemaOK1"} << "3"
                               << "1";
    QTest::newRow("5,000.00 twice") << QStringList{"ulog5000", "ulog5000"}
                                    << QStringList{"ulog5000", "Tema01", "OK2", "TemaOK1"} << "2"
                                    << "1";
    QTest::newRow("the marked level")
        << QStringList{"ulog2000"} << QStringList{"ulog2000", "Tema01", "OK1", "TemaOK1"} << "1"
        << "1";
    QTest::newRow("King-Kong") << QStringList{"Tema02"}
                               << QStringList{"ulog2000", "Tema02", "OK1", "TemaOK2"} << "1"
                               << "2";
    QTest::newRow("Aliens") << QStringList{"Tema03"}
                            << QStringList{"ulog2000", "Tema03", "OK1", "TemaOK3"} << "1"
                            << "3";
    QTest::newRow("Celebrities") << QStringList{"Tema04"}
                                 << QStringList{"ulog2000", "Tema04", "OK1", "TemaOK4"} << "1"
                                 << "4";
    QTest::newRow("Korisnicki") << QStringList{"Tema06"}
                                << QStringList{"ulog2000", "Tema06", "OK1", "TemaOK6"} << "1"
                                << "6";
    QTest::newRow("back to Poker") << QStringList{"Tema06", "Tema01"}
                                   << QStringList{"ulog2000", "Tema01", "OK1", "TemaOK1"} << "1"
                                   << "1";
    QTest::newRow("both groups") << QStringList{"Tema04", "ulog5000", "ulog10000", "Tema02"}
                                 << QStringList{"ulog10000", "Tema02", "OK3", "TemaOK2"} << "3"
                                 << "2";
    // Clicks on texts that are no choice do nothing.
    QTest::newRow("headings and markers")
        << QStringList{"Label1", "Label2", "Label3", "Label12", "OK1", "TemaOK1"}
        << QStringList{"ulog2000", "Tema01", "OK1", "TemaOK1"} << "1"
        << "1";
}

void OptionsTest::clicksChangeOnlyTheCopies() {
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, expected);
    QFETCH(QString, level);
    QFETCH(QString, theme);
    TempProgramFolder folder;
    const QByteArray before = settingsBytes(settings("Ana", "1", "1", "+"));
    folder.write("config.not", before);
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    screen.Show();
    for (const QString& name : clicks)
        click(screen, name);
    QCOMPARE(marks(screen), expected);
    QCOMPARE(folder.read("config.not"), before);
    QCOMPARE(nameBox(screen)->text(), QStringLiteral("Ana"));
    QVERIFY(switcher.switches.empty());
    QVERIFY(screen.isVisible());

    click(screen, "SnimiOpcije");
    QCOMPARE(folder.read("config.not"), settingsBytes(settings("Ana", level, theme, "+")));
}

void OptionsTest::unazadWritesWhatWasRead_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Settings>("written");
    const auto row = [](const char* name, const Settings& s) {
        QTest::newRow(name) << settingsBytes(s) << s;
    };
    row("defaults", Settings::defaults());
    row("comma in the name", settings("Marko, Ana", "3", "6"));
    row("one blank as name", settings(" ", "2", "4"));
    row("quote in the name", settings("Mali \"Zmaj\"", "2", "4"));
    row("non-ASCII", settings(QString::fromUtf8("Đorđe"), "1", "2", QString::fromUtf8("ž")));
    row("unknown level and theme", settings("Ana", "02", "7"));
    row("empty fourth field", settings("Ana", "1", "1", ""));
    row("odd fourth field", settings("Ana", "1", "1", " [x] "));
    // Longer than the box takes by typing: kept whole while untouched.
    row("long name", settings("Aleksandar Karadjordjevic", "1", "1"));
    addForeignSettingsFileRows();
}

void OptionsTest::unazadWritesWhatWasRead() {
    QFETCH(QByteArray, file);
    QFETCH(Settings, written);
    TempProgramFolder folder;
    if (!file.isNull())
        folder.write("config.not", file);
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    screen.Move(3000, 2000);
    screen.Show();
    QCOMPARE(nameBox(screen)->text(), written.playerName);
    screen.Move(4500, 3000); // a dragged window does not take the menu along

    click(screen, "SnimiOpcije");
    QCOMPARE(folder.read("config.not"), settingsBytes(written));
    QCOMPARE(switcher.switches.size(), std::size_t(1));
    QCOMPARE(switcher.switches[0].target, ScreenId::MainMenu);
    QCOMPARE(switcher.switches[0].positionFrom, nullptr);
    QCOMPARE(switcher.calls, QStringList{"switchTo MainMenu"});
    QVERIFY(screen.isHidden());
}

void OptionsTest::emptiedNameBringsBackTheDefaults() {
    TempProgramFolder folder;
    folder.write("config.not", settingsBytes(settings("Ana", "1", "1", "o")));
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    screen.Show();
    QLineEdit* box = nameBox(screen);
    QTest::keyClick(box, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QString());
    click(screen, "ulog10000");
    click(screen, "Tema04");
    click(screen, "SnimiOpcije");
    // Saved as it stands, with nothing tested first...
    QCOMPARE(folder.read("config.not"), settingsBytes(settings("", "3", "4", "o")));
    // ... so the main menu's next load restores every default, the choices too.
    QCOMPARE(loadMenuSettings(folder.path()), Settings::defaults());
    QCOMPARE(folder.read("config.not"), settingsBytes(Settings::defaults()));
}

void OptionsTest::nameBoxLimit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    QTest::newRow("empty box") << "" << 0 << alphabet << alphabet.left(20);
    QTest::newRow("after a name") << "Ana" << 0 << alphabet << "Ana" + alphabet.left(17);
    QTest::newRow("exactly 20") << "" << 0 << alphabet.left(20) << alphabet.left(20);
    QTest::newRow("full name") << "Igrac 1234567890abcd" << 0 << "x"
                               << "Igrac 1234567890abcd";
    QTest::newRow("replace the end") << "Igrac 1" << 1 << "23"
                                     << "Igrac 23";
    // A longer name from a hand-edited file stays whole and can only shrink.
    const QString longName = QStringLiteral("Aleksandar Karadjordjevic"); // 25
    QTest::newRow("long name, typing") << longName << 0 << "x" << longName;
    QTest::newRow("long name, shortened") << longName << 3 << "xyz" << longName.left(22);
    QTest::newRow("long name, down to 18") << longName << 7 << "xyz" << longName.left(18) + "xy";
}

void OptionsTest::nameBoxLimit() {
    QFETCH(QString, name);
    QFETCH(int, backspaces);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TempProgramFolder folder;
    folder.write("config.not", settingsBytes(settings(name, "2", "2")));
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    screen.Show();
    QLineEdit* box = nameBox(screen);
    QCOMPARE(box->text(), name);
    QTest::keyClick(box, Qt::Key_End);
    for (int i = 0; i < backspaces; ++i)
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), expected);
    click(screen, "SnimiOpcije");
    QCOMPARE(folder.read("config.not"), settingsBytes(settings(expected, "2", "2")));

    // The next visit starts from the file again, with the limit back at 20.
    folder.write("config.not", settingsBytes(settings("", "2", "2")));
    screen.Show();
    QTest::keyClicks(box, QString(30, u'n'));
    QCOMPARE(box->text(), QString(20, u'n'));
}

void OptionsTest::nameFromTheFile_data() {
    QTest::addColumn<QByteArray>("read");    // the name's bytes in the file
    QTest::addColumn<QString>("pasted");     // pasted at the end of the box; empty: not edited
    QTest::addColumn<QString>("shown");      // the box afterwards
    QTest::addColumn<QByteArray>("written"); // the name's bytes after "unazad"
    // A line break would shift every later field of the file.
    QTest::newRow("pasted line break") << QByteArray("Ana") << "\r\nMarko\tX"
                                       << "AnaMarkoX" << QByteArray("AnaMarkoX");
    // Older files hold Windows-1250: shown as such, written back as read.
    QTest::newRow("Windows-1250, left alone")
        << QByteArray("Igra\xE8") << "" << QStringLiteral(u"Igra\x10D") << QByteArray("Igra\xE8");
    QTest::newRow("Windows-1250, edited")
        << QByteArray("Igra\xE8") << "!" << QStringLiteral(u"Igra\x10D!")
        << QByteArray("Igra\xC4\x8D!");
    // Valid UTF-8 that holds a C1 control is Windows-1250 after all.
    QTest::newRow("Windows-1250 that reads as UTF-8, left alone")
        << QByteArray("\xC8\x8A\xC2\x9A") << "" << QStringLiteral(u"\x10C\x160\xC2\x161")
        << QByteArray("\xC8\x8A\xC2\x9A");
    // Only the start of a huge name is put in the box; left alone, it is
    // saved whole.
    const QByteArray huge(10 * 1024 * 1024, 'W');
    QTest::newRow("10 MB, left alone") << huge << "" << QString(longestShownValue, u'W') << huge;
}

void OptionsTest::nameFromTheFile() {
    QFETCH(QByteArray, read);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(QByteArray, written);
    TempProgramFolder folder;
    const QByteArray rest = settingsBytes(settings("", "2", "3")).mid(2); // after the name
    folder.write("config.not", '"' + read + '"' + rest);
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    QElapsedTimer clock;
    clock.start();
    screen.Show();
    QVERIFY2(clock.elapsed() < 1000, "the screen took a second to open");
    QLineEdit* box = nameBox(screen);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(box->text(), shown);
    click(screen, "SnimiOpcije");
    QCOMPARE(folder.read("config.not"), '"' + written + '"' + rest);
}

void OptionsTest::writeFailureStillReturnsToTheMenu() {
    TempProgramFolder folder;
    folder.write("config.not", settingsBytes(settings("Ana", "2", "3")));
    RecordingSwitcher switcher;
    Opcije screen(switcher);
    screen.Show();
    click(screen, "Tema06");
    // The file turns into a folder that no write can replace.
    QVERIFY(folder.replaceWithFolder("config.not"));

    click(screen, "SnimiOpcije");
    QCOMPARE(switcher.switches.size(), std::size_t(1));
    QCOMPARE(dismissSaveFailed(), 1);
    QCOMPARE(switcher.switches[0].target, ScreenId::MainMenu);
    QVERIFY(screen.isHidden());
    QVERIFY(QFileInfo(folder.file("config.not")).isDir());
    QCOMPARE(folder.entries(), QStringList{"config.not"});
}

QTEST_MAIN(OptionsTest)
#include "test_options.moc"
