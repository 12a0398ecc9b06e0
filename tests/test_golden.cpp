// What a player sees, held pixel for pixel: every screen in its main states
// is drawn offscreen and compared with a committed picture in tests/golden/.
// A change that moves a single pixel fails here and must update the pictures
// on purpose, in the same commit:
//
//     TOMBEL_UPDATE_GOLDEN=1 build/tests/test_golden
//
// rewrites tests/golden/*.png from what the program draws now. On a mismatch
// the picture drawn and a diff (differing pixels red on a dimmed copy of the
// expected picture) are written to the folder named in the failure,
// golden-failures/ in the test's working folder unless TOMBEL_GOLDEN_OUT
// names another.
//
// The pictures depend on nothing but the program: the texts are drawn with
// Liberation Sans (Debian's fonts-liberation2, which tools/setup.sh
// installs; the test refuses to run with any other font), the style is
// Fusion, the money format is the C locale's, and every tick is a call,
// never a wait.

#include "card_table/karteigra.h"
#include "common/fonts.h"
#include "common/imagebank.h"
#include "common/label.h"
#include "common/screentimer.h"
#include "common/settingsfile.h"
#include "double_up/vecamanja.h"
#include "recordingswitcher.h"
#include "settings_screens/kontrole.h"
#include "settings_screens/opcije.h"
#include "startup/glavnimeni.h"
#include "startup/intrro.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLocale>
#include <QTest>

namespace {
QString goldenPath(const QString& name) {
    return QStringLiteral(TOMBEL_GOLDEN_DIR "/%1.png").arg(name);
}

struct Rig {
    Rig() {
        folder.write(QStringLiteral("config.not"), settingsBytes(Settings::defaults()));
        applyTheme(bank, QStringLiteral("1"), folder.path());
    }
    TempProgramFolder folder;
    SveSlike bank;
    RecordingSwitcher switcher;
    ScriptedRandom random;
};

QImage drawn(QWidget& screen) {
    return screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage intro(int ticks) {
    Rig rig;
    Intrro screen(rig.switcher);
    screen.Form_Load();
    screen.fadeTimer().stop();
    for (int tick = 0; tick < ticks; ++tick)
        screen.Timer1_Timer();
    return drawn(screen);
}

QImage menuFlashing() {
    Rig rig;
    glavniMeni menu(rig.switcher, rig.bank);
    menu.Show();
    QTest::mouseMove(&menu, labelNamed(menu, QStringLiteral("menuOpcije"))->geometry().center());
    menu.flashTimer().stop();
    for (int tick = 0; tick < 4; ++tick)
        menu.Timer1_Timer();
    return drawn(menu);
}

// The card table idle, in its second spin with cards 1 and 3 held, or
// showing a win of four yellow cards.
QImage table(HandState state) {
    Rig rig;
    KarteIgra table(rig.switcher, rig.bank, rig.random);
    table.Form_Load();
    const auto key = [&](Qt::Key key) { QTest::keyClick(&table, key); };
    const auto draw = [&](const char* codes) {
        for (const char* code = codes; *code; ++code)
            rig.random.push(ScriptedRandom::forDrawCode(*code - '0'));
        table.drawTimer().fire();
        table.paintTimer().fire();
    };
    if (state != HandState::Idle) {
        key(Qt::Key_F4);
        key(Qt::Key_F2);
        key(Qt::Key_Return);
        draw("31324");
        key(Qt::Key_Return);
        key(Qt::Key_1);
        key(Qt::Key_3);
        key(Qt::Key_Return);
        draw("231");
        if (state == HandState::Result) {
            draw("331");
            key(Qt::Key_Return);
        }
    }
    table.meterTimer().fire();
    return drawn(table);
}

// The double-up after a right guess, or with nothing left at stake.
QImage doubleUp(bool nothingAtStake) {
    Rig rig;
    rig.random.push({0.2f, 0.7f});
    VecaManja screen(rig.switcher, rig.bank, rig.random,
                     {purseOf(5000), purseOf(1000), QStringLiteral("Igrac 1"), {}});
    screen.Form_Load();
    QTest::keyClick(&screen, Qt::Key_PageUp);
    if (nothingAtStake)
        QTest::keyClick(&screen, Qt::Key_End);
    screen.displayTimer().fire();
    return drawn(screen);
}

QImage options(int theme) {
    Rig rig;
    rig.folder.write(QStringLiteral("config.not"),
                     settingsBytes({"Igrac 1", "2", QString::number(theme), "x"}));
    Opcije screen(rig.switcher);
    screen.Show();
    return drawn(screen);
}

QImage controls() {
    Rig rig;
    Kontrole screen(rig.switcher);
    screen.Show();
    return drawn(screen);
}

QImage render(const QString& state) {
    if (state.startsWith(QLatin1String("intro_")))
        return intro(state.mid(6).toInt());
    if (state == QLatin1String("menu_flashing"))
        return menuFlashing();
    if (state == QLatin1String("table_idle"))
        return table(HandState::Idle);
    if (state == QLatin1String("table_spinning_held"))
        return table(HandState::SecondSpin);
    if (state == QLatin1String("table_win"))
        return table(HandState::Result);
    if (state.startsWith(QLatin1String("doubleup_")))
        return doubleUp(state == QLatin1String("doubleup_nothing_at_stake"));
    if (state.startsWith(QLatin1String("options_theme")))
        return options(state.right(1).toInt());
    return controls();
}

QImage diffOf(const QImage& expected, const QImage& actual, int* differing) {
    QImage diff(actual.size(), QImage::Format_RGB32);
    *differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            if (want != actual.pixel(x, y)) {
                ++*differing;
                diff.setPixel(x, y, qRgb(255, 0, 0));
            } else {
                diff.setPixel(x, y, qRgb(qGray(want) / 3, qGray(want) / 3, qGray(want) / 3));
            }
        }
    return diff;
}
} // namespace

class GoldenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void screens_data();
    void screens();
};

void GoldenTest::initTestCase() {
    QLocale::setDefault(QLocale::c());
    // The offscreen platform's own style, whatever QT_STYLE_OVERRIDE says.
    QApplication::setStyle(QStringLiteral("Fusion"));
    for (bool bold : {false, true}) {
        const QFontInfo used(fonts::sized(8.25, bold));
        if (used.family() != QLatin1String("Liberation Sans"))
            QFAIL(qPrintable(QStringLiteral("texts are drawn with %1, not Liberation Sans: install "
                                            "fonts-liberation2")
                                 .arg(used.family())));
    }
}

void GoldenTest::screens_data() {
    QTest::addColumn<QString>("state");
    const char* states[] = {"intro_0",
                            "intro_64",
                            "intro_128",
                            "intro_129",
                            "intro_200",
                            "menu_flashing",
                            "table_idle",
                            "table_spinning_held",
                            "table_win",
                            "doubleup_right_guess",
                            "doubleup_nothing_at_stake",
                            "options_theme1",
                            "options_theme2",
                            "options_theme3",
                            "options_theme4",
                            "options_theme5",
                            "options_theme6",
                            "controls"};
    for (const char* state : states)
        QTest::newRow(state) << QString::fromLatin1(state);
}

void GoldenTest::screens() {
    QFETCH(QString, state);
    const QImage actual = render(state);
    QCOMPARE(actual.size(), QSize(598, 397));
    const QString golden = goldenPath(state);
    if (qEnvironmentVariableIntValue("TOMBEL_UPDATE_GOLDEN") == 1) {
        QVERIFY2(actual.save(golden), qPrintable(golden));
        return;
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(),
             qPrintable(golden + QStringLiteral(" is missing; TOMBEL_UPDATE_GOLDEN=1 draws it")));
    int differing = actual.size() == expected.size() ? 0 : -1;
    QImage diff;
    if (differing == 0)
        diff = diffOf(expected, actual, &differing);
    if (differing == 0)
        return;
    QDir out(qEnvironmentVariableIsSet("TOMBEL_GOLDEN_OUT")
                 ? qEnvironmentVariable("TOMBEL_GOLDEN_OUT")
                 : QDir::current().filePath(QStringLiteral("golden-failures")));
    out.mkpath(QStringLiteral("."));
    actual.save(out.filePath(state + QStringLiteral(".actual.png")));
    if (!diff.isNull())
        diff.save(out.filePath(state + QStringLiteral(".diff.png")));
    QFAIL(qPrintable(
        QStringLiteral("%1 pixels differ from %2; what was drawn and the diff are in %3")
            .arg(differing < 0 ? QStringLiteral("the size and all") : QString::number(differing),
                 golden, out.absolutePath())));
}

QTEST_MAIN(GoldenTest)
#include "test_golden.moc"
