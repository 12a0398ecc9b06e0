// config.not: its exact bytes, how lines read back, the main menu's load
// with its defaults and rewrite, and the writer where the file system works
// against it.

#include "common/settingsfile.h"
#include "testsupport.h"
#include "unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QByteArray defaultFile = QByteArray::fromHex("224967726163203122"
                                                   "0D0A"
                                                   "223122"
                                                   "0D0A"
                                                   "223122"
                                                   "0D0A"
                                                   "227822"
                                                   "0D0A");

QByteArray lines(std::initializer_list<const char*> values) {
    QByteArray bytes;
    for (const char* value : values)
        bytes += QByteArray("\"") + value + "\"\r\n";
    return bytes;
}

// What stands at a path, as the writer's table compares it: the bytes of a
// file, or what stands there instead.
QByteArray onDisk(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return "<missing>";
    if (S_ISLNK(status.st_mode))
        return "<link> " + onDisk(QFileInfo(path).symLinkTarget());
    if (S_ISFIFO(status.st_mode))
        return "<fifo>";
    if (S_ISCHR(status.st_mode))
        return "<device>";
    if (status.st_size > 1024 * 1024)
        return "<" + QByteArray::number(qint64(status.st_size)) + " bytes>";
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// This process and a twin save at once, each reading back after every save:
// true when both always read one whole version.
bool savedSideBySide(const QString& folder, const Settings& mine, const Settings& other) {
    const pid_t twin = ::fork();
    bool whole = true;
    for (int round = 0; round < 300 && whole; ++round) {
        whole = writeSettings(folder, twin == 0 ? other : mine);
        const Settings read = readSettings(folder);
        whole = whole && (read == mine || read == other);
    }
    if (twin == 0)
        ::_exit(whole ? 0 : 1);
    int status = 0;
    return ::waitpid(twin, &status, 0) == twin && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
           whole;
}
} // namespace

Q_DECLARE_METATYPE(Settings)

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void defaultBytes();
    void valuesReadBackAsWritten_data();
    void valuesReadBackAsWritten();
    void readingLines_data();
    void readingLines();
    void menuLoad_data();
    void menuLoad();
    void writeReplacesWholeFile();
    void writeFailureLeavesFileAndSaysSo();
    void readersOfAMissingFile();
    void writerInHostilePlaces_data();
    void writerInHostilePlaces();
};

void SettingsTest::defaultBytes() {
    QCOMPARE(defaultFile.size(), 26);
    QCOMPARE(settingsBytes(Settings::defaults()), defaultFile);
}

void SettingsTest::valuesReadBackAsWritten_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Igrac 1";
    QTest::newRow("comma") << "Marko, Ana";
    QTest::newRow("blank") << " ";
    QTest::newRow("empty") << "";
    QTest::newRow("inner quote") << "Mali \"Zmaj\"";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Đorđe Šćepanović");
}

void SettingsTest::valuesReadBackAsWritten() {
    QFETCH(QString, name);
    TempProgramFolder folder;
    const Settings written{name, QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("x")};
    QVERIFY(writeSettings(folder.path(), written));
    QCOMPARE(readSettings(folder.path()), written);
}

void SettingsTest::readingLines_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("fields"); // "<missing>" marks a missing field
    const QString missing = QStringLiteral("<missing>");
    QTest::newRow("CR LF") << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n")
                           << QStringList{"a", "b", "c", "d"};
    QTest::newRow("LF only") << QByteArray("\"a\"\n\"b\"\n\"c\"\n\"d\"\n")
                             << QStringList{"a", "b", "c", "d"};
    QTest::newRow("CR only") << QByteArray("\"a\"\r\"b\"\r\"c\"\r\"d\"\r")
                             << QStringList{"a", "b", "c", "d"};
    QTest::newRow("no final line end")
        << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("three lines") << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n")
                                 << QStringList{"a", "b", "c", missing};
    QTest::newRow("unquoted") << QByteArray("Ana\r\n2\r\n\"3\"\r\nx\r\n")
                              << QStringList{"Ana", "2", "3", "x"};
    QTest::newRow("one quote") << QByteArray("\"Ana\r\n\"2\"\r\n\"3\"\r\n\"x\"\r\n")
                               << QStringList{"\"Ana", "2", "3", "x"};
    QTest::newRow("text after quote") << QByteArray("\"Ana\" junk\r\n\"2\"\r\n\"3\"\r\n\"x\"\r\n")
                                      << QStringList{"Ana", "2", "3", "x"};
    QTest::newRow("empty lines are fields")
        << QByteArray("\r\n\r\n\"3\"\r\n\"x\"\r\n") << QStringList{"", "", "3", "x"};
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n")
        << QStringList{"a", "b", "c", "d"};
    QTest::newRow("lines after the fourth")
        << QByteArray("\"a\"\n\"b\"\n\"c\"\n\"d\"\n\"e\"\n") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty file") << QByteArray() << QStringList{missing, missing, missing, missing};
    QTest::newRow("NUL bytes") << QByteArray("\"a\0b\"\n\"1\"\n\"1\"\n\"x\"\n", 17)
                               << QStringList{QString::fromUtf8("a\0b", 3), "1", "1", "x"};
}

void SettingsTest::readingLines() {
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, fields);
    const SettingsFields read = parseSettings(contents);
    for (int i = 0; i < 4; ++i) {
        if (fields[i] == QLatin1String("<missing>"))
            QVERIFY2(!read[i], qPrintable(QStringLiteral("field %1 should be missing").arg(i + 1)));
        else {
            QVERIFY(read[i].has_value());
            QCOMPARE(*read[i], fields[i]);
        }
    }
}

void SettingsTest::menuLoad_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("copies");
    QTest::addColumn<QByteArray>("after"); // empty: unchanged
    const QStringList defaults{"Igrac 1", "1", "1", "x"};
    QTest::newRow("missing file") << false << QByteArray() << defaults << defaultFile;
    QTest::newRow("four good lines") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"o\"\r\n")
                                     << QStringList{"Ana", "3", "2", "o"} << QByteArray();
    QTest::newRow("empty name") << true << QByteArray("\"\"\r\n\"3\"\r\n\"2\"\r\n\"o\"\r\n")
                                << defaults << defaultFile;
    QTest::newRow("empty level") << true << QByteArray("\"Ana\"\r\n\"\"\r\n\"2\"\r\n\"o\"\r\n")
                                 << defaults << defaultFile;
    QTest::newRow("empty theme") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"\"\r\n\"o\"\r\n")
                                 << defaults << defaultFile;
    QTest::newRow("two lines") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n") << defaults
                               << defaultFile;
    QTest::newRow("three lines, no fourth") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n")
                                            << QStringList{"Ana", "3", "2", ""} << QByteArray();
    QTest::newRow("empty fourth") << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"\"\r\n")
                                  << QStringList{"Ana", "3", "2", ""} << QByteArray();
    QTest::newRow("blank name is not empty")
        << true << QByteArray("\" \"\r\n\"1\"\r\n\"1\"\r\n\"x\"\r\n")
        << QStringList{" ", "1", "1", "x"} << QByteArray();
    QTest::newRow("more than four lines")
        << true << QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"o\"\r\n\"extra\"\r\n")
        << QStringList{"Ana", "3", "2", "o"} << QByteArray();
    QTest::newRow("binary garbage")
        << true << QByteArray("\x00\xFF\xFE\x01", 4) << defaults << defaultFile;
}

void SettingsTest::menuLoad() {
    QFETCH(bool, present);
    QFETCH(QByteArray, before);
    QFETCH(QStringList, copies);
    QFETCH(QByteArray, after);
    TempProgramFolder folder;
    if (present)
        folder.write(QStringLiteral("config.not"), before);
    const Settings loaded = loadMenuSettings(folder.path());
    QCOMPARE(loaded.playerName, copies[0]);
    QCOMPARE(loaded.startingCreditLevel, copies[1]);
    QCOMPARE(loaded.themeNumber, copies[2]);
    QCOMPARE(loaded.holdMarkerCaption, copies[3]);
    QCOMPARE(folder.read(QStringLiteral("config.not")), after.isEmpty() ? before : after);
}

void SettingsTest::writeReplacesWholeFile() {
    TempProgramFolder folder;
    folder.write(QStringLiteral("config.not"),
                 QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"o\"\r\n\"extra\"\r\n\"more\"\r\n"));
    QVERIFY(writeSettings(folder.path(), Settings::defaults()));
    QCOMPARE(folder.read(QStringLiteral("config.not")), defaultFile);
    // Three good lines read by the menu, then written back, gain an empty fourth line.
    folder.write(QStringLiteral("config.not"), QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n"));
    QVERIFY(writeSettings(folder.path(), loadMenuSettings(folder.path())));
    QCOMPARE(folder.read(QStringLiteral("config.not")),
             QByteArray("\"Ana\"\r\n\"3\"\r\n\"2\"\r\n\"\"\r\n"));
}

void SettingsTest::writeFailureLeavesFileAndSaysSo() {
    TempProgramFolder folder;
    // A directory where the file should be: every write must fail cleanly.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("config.not")));
    QVERIFY(!writeSettings(folder.path(), Settings::defaults()));
    QVERIFY(QFileInfo(folder.file(QStringLiteral("config.not"))).isDir());
    // The menu's load still ends with the defaults in its copies.
    QCOMPARE(loadMenuSettings(folder.path()), Settings::defaults());
}

void SettingsTest::readersOfAMissingFile() {
    TempProgramFolder folder;
    QCOMPARE(readSettings(folder.path()), Settings::defaults());
    folder.write(QStringLiteral("config.not"), QByteArray("\"Ana\"\r\n\"2\"\r\n"));
    QCOMPARE(readSettings(folder.path()),
             (Settings{QStringLiteral("Ana"), QStringLiteral("2"), QString(), QString()}));
}

void SettingsTest::writerInHostilePlaces_data() {
    QTest::addColumn<QString>("place");
    QTest::addColumn<bool>("loadFirst"); // the menu's load, then a save of what it gave
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Settings>("values"); // written, or expected from the load
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QByteArray>("after");
    const QByteArray old = lines({"Ana", "2", "3", "o"});
    const Settings marko{"Marko", "3", "2", "x"};
    const QByteArray markoFile = lines({"Marko", "3", "2", "x"});
    const Settings defaults = Settings::defaults();

    // A failed save leaves the old bytes, never an empty or half-written file.
    QTest::newRow("full file system") << "full" << false << old << marko << false << old;
    QTest::newRow("file size limit") << "size limit" << false << old << marko << false << old;
    QTest::newRow("read-only folder")
        << "read-only folder" << false << old << marko << true << markoFile;
    QTest::newRow("read-only folder, two copies saving at once")
        << "read-only folder, two copies" << false << old << marko << true << markoFile;
    QTest::newRow("read-only folder, save cut short")
        << "read-only folder, cut short" << false << old << marko << false << old;
    QTest::newRow("read-only folder, no file")
        << "read-only folder" << false << QByteArray("<missing>") << marko << false
        << QByteArray("<missing>");
    QTest::newRow("read-only file") << "read-only file" << false << old << marko << false << old;
    // The player's values stay for when the file can be read again.
    QTest::newRow("file that cannot be read")
        << "write-only file" << true << old << defaults << false << old;
    QTest::newRow("shared folder, file of another user open to all")
        << "sticky folder" << false << old << marko << true << markoFile;
    QTest::newRow("file of another user, saved by root")
        << "owned by nobody" << false << old << marko << true << markoFile;
    // Saves killed halfway leave nothing behind once the next one is made.
    QTest::newRow("saves killed halfway") << "killed" << false << old << marko << true << markoFile;
    // Only regular files are read or written, and nothing blocks.
    QTest::newRow("FIFO") << "folder" << true << QByteArray("<fifo>") << defaults << false
                          << QByteArray("<fifo>");
    QTest::newRow("link to a FIFO") << "folder" << true << QByteArray("<link> <fifo>") << defaults
                                    << false << QByteArray("<link> <fifo>");
    QTest::newRow("link to a device node") << "folder" << true << QByteArray("<link> <device>")
                                           << defaults << false << QByteArray("<link> <device>");
    QTest::newRow("link to a file")
        << "folder" << false << "<link> " + old << marko << true << "<link> " + markoFile;
    QTest::newRow("4 GB sparse file without line ends")
        << "folder" << true << QByteArray("<sparse>") << defaults << true << defaultFile;
    // The game started from a folder whose name is not UTF-8 keeps its file there.
    QTest::newRow("program folder not UTF-8")
        << "not UTF-8" << true << QByteArray("<missing>") << defaults << true << defaultFile;
    // No value can break the four lines; other controls stay.
    QTest::newRow("line breaks and controls in values")
        << "folder" << false << old
        << Settings{"Ana\r\nMarko", "2\r", "3\n", QStringLiteral(u"\x01x\x85")} << true
        << QByteArray("\"Ana  Marko\"\r\n\"2 \"\r\n\"3 \"\r\n\"\x01x\xC2\x85\"\r\n");
    // Values nobody edited go back as they came, whatever their bytes.
    const QByteArray windows1250 = "\"Igra\xE8\"\r\n\"2\"\r\n\"3\"\r\n\"\x9A\xFF\"\r\n";
    QTest::newRow("Windows-1250 bytes")
        << "folder" << true << windows1250
        << Settings{QStringLiteral(u"Igra\xDCE8"), "2", "3", QStringLiteral(u"\xDC9A\xDCFF")}
        << true << windows1250;
    const QByteArray handEdited = "\"\xC8\x8A\xC2\x9A\"\r\n\"2\"\r\n\"3\"\r\n\"\t\x01\"\r\n";
    QTest::newRow("Windows-1250 that reads as UTF-8, tab and control")
        << "folder" << true << handEdited
        << Settings{QStringLiteral(u"\x020A\x009A"), "2", "3", QStringLiteral(u"\t\x01")} << true
        << handEdited;
}

void SettingsTest::writerInHostilePlaces() {
    QFETCH(QString, place);
    QFETCH(bool, loadFirst);
    QFETCH(QByteArray, before);
    QFETCH(Settings, values);
    QFETCH(bool, saved);
    QFETCH(QByteArray, after);
    const bool root = ::geteuid() == 0;
    const Nobody owner = nobody();
    if (root && !owner.known)
        QSKIP("no user nobody to run the unprivileged steps as");

    TempProgramFolder base;
    QString folder = base.path();
    if (place == QLatin1String("not UTF-8")) {
        // Started from elsewhere through a link to its folder: only the
        // folder that holds the game itself counts.
        const QByteArray own = QFile::encodeName(base.path()) + "/Igre\xE8 stare";
        const QString link = base.file(QStringLiteral("game"));
        QVERIFY(::mkdir(own, 0755) == 0 && ::symlink(own, QFile::encodeName(link)) == 0);
        QVERIFY(QFile::copy(QStringLiteral(TOMBEL_EXECUTABLE), link + "/tombel"));
        QProcess game;
        game.setWorkingDirectory(folder);
        game.start(link + "/tombel");
        const auto stop = qScopeGuard([&] {
            game.kill();
            game.waitForFinished();
        });
        for (int wait = 0; wait < 300 && !QFile::exists(link + "/config.not"); ++wait)
            QThread::msleep(50);
        QCOMPARE(onDisk(link + "/config.not"), after);
        QCOMPARE(onDisk(settingsPath(folder)), before);
        return;
    }
    if (place == QLatin1String("full")) {
        folder = base.file(QStringLiteral("disk"));
        QVERIFY(QDir().mkdir(folder));
        if (::mount("tombel", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("a small tmpfs cannot be mounted here (root only): the full disk is not tried");
    }
    const auto unmount = qScopeGuard([&] {
        if (place == QLatin1String("full"))
            ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    });
    const QString path = settingsPath(folder);
    const QByteArray native = QFile::encodeName(path);

    QString made = path; // the file itself, where config.not is a link
    if (before.startsWith("<link> ")) {
        before = before.mid(7);
        made = QDir(folder).filePath(QStringLiteral("target"));
        QVERIFY(QFile::link(QStringLiteral("target"), path));
    }
    const QByteArray madeNative = QFile::encodeName(made);
    if (before == "<fifo>") {
        QCOMPARE(::mkfifo(madeNative.constData(), 0666), 0);
    } else if (before == "<device>") {
        if (::mknod(madeNative.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("a device node cannot be made here (root only)");
    } else if (before == "<sparse>") {
        QFile huge(made);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(4) << 30));
    } else if (before != "<missing>") {
        QFile file(made);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    }
    if (place == QLatin1String("full")) {
        // Whatever room is left goes to a filler, to the last block.
        QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) > 0) {
        }
    }

    const bool readOnly = place.startsWith(QLatin1String("read-only"));
    const bool sticky = place == QLatin1String("sticky folder");
    const bool unprivileged = readOnly || sticky || place == QLatin1String("write-only file");
    if ((sticky || place == QLatin1String("owned by nobody")) && !root)
        QSKIP("a file of another user needs root");
    if (sticky) {
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 01777), 0);
        QCOMPARE(::chmod(native.constData(), 0666), 0);
    } else if (unprivileged || place == QLatin1String("owned by nobody")) {
        QVERIFY(giveTo(folder, owner));
        QVERIFY(before == "<missing>" || giveTo(path, owner));
    }
    if (place == QLatin1String("owned by nobody") || place == QLatin1String("write-only file"))
        QCOMPARE(
            ::chmod(native.constData(), place.startsWith(QLatin1String("owned")) ? 0640 : 0200), 0);
    const QString locked = place == QLatin1String("read-only file") ? path : folder;
    const QFile::Permissions writable = QFile(locked).permissions();
    if (readOnly)
        QVERIFY(QFile(locked).setPermissions(writable & ~(QFile::WriteOwner | QFile::WriteUser |
                                                          QFile::WriteGroup | QFile::WriteOther)));
    const auto unlock = qScopeGuard([&] { QFile(locked).setPermissions(writable); });
    if (unprivileged && !root &&
        (readOnly ? ::access(QFile::encodeName(locked).constData(), W_OK)
                  : ::access(native.constData(), R_OK)) == 0)
        QSKIP("permissions are not enforced for this user");

    const rlim_t sizeLimit =
        place.endsWith(QLatin1String("size limit")) || place.endsWith(QLatin1String("cut short"))
            ? 10
            : 0;
    const int result = inChild(
        [&] {
            if (::access(QFile::encodeName(folder).constData(), X_OK) != 0)
                return 98;
            for (int round = 0; place == QLatin1String("killed") && round < 20; ++round) {
                const pid_t saver = ::fork();
                while (saver == 0)
                    writeSettings(folder, values);
                ::usleep(useconds_t(500 + 100 * round));
                ::kill(saver, SIGKILL);
                ::waitpid(saver, nullptr, 0);
            }
            if (place.endsWith(QLatin1String("two copies")) &&
                !savedSideBySide(folder, values, {"Ana Marija Kovacevic", "2", "6", "o"}))
                return 3;
            if (!loadFirst)
                return writeSettings(folder, values) ? 0 : 1;
            const Settings loaded = loadMenuSettings(folder);
            if (!(loaded == values))
                return 2;
            return writeSettings(folder, loaded) ? 0 : 1;
        },
        unprivileged, sizeLimit);
    QVERIFY2(result != -1, "the save hung or crashed");
    QVERIFY2(result != 98 && result != 99, "the unprivileged user cannot reach the folder");
    QVERIFY2(result != 2, "the menu's load gave other values");
    QVERIFY2(result != 3, "a save broke another one's file");
    QCOMPARE(result == 0, saved);
    QCOMPARE(onDisk(path), after);
    // Nothing is left behind beside the file.
    QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                              QDir::NoDotAndDotDot);
    for (const char* known : {"config.not", "target", "filler"})
        left.removeAll(QLatin1String(known));
    QCOMPARE(left, QStringList());

    if (place == QLatin1String("owned by nobody")) {
        // Root's save kept the player's file the player's, so the player can
        // save again.
        struct stat status {};
        QCOMPARE(::stat(native.constData(), &status), 0);
        QCOMPARE(status.st_uid, owner.user);
        QCOMPARE(status.st_gid, owner.group);
        QCOMPARE(status.st_mode & 0777, mode_t(0640));
        QCOMPARE(
            inChild([&] { return writeSettings(folder, Settings::defaults()) ? 0 : 1; }, true, 0),
            0);
        QCOMPARE(onDisk(path), defaultFile);
    }
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
