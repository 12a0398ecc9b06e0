// Feeds arbitrary bytes to config.not and checks what the program makes of
// them: reading never crashes, every value read writes back and reads again
// unchanged, values go back byte for byte whatever their bytes, values
// holding any character at all (line breaks included) are written as exactly
// four lines that read back and write again the same, and the main menu's
// load leaves the file either untouched or holding exactly the default bytes.

#include "common/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool condition) {
    if (!condition)
        std::abort();
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a value reads back as once written: line breaks become blanks.
QString blanked(QString value) {
    return value.replace(u'\r', u' ').replace(u'\n', u' ');
}

// Four pieces of the input, cut where its first bytes say.
std::array<QByteArrayView, 4> pieces(QByteArrayView input) {
    std::array<QByteArrayView, 4> cut;
    const qsizetype size = input.size();
    qsizetype from = 0;
    for (int i = 0; i < 3; ++i) {
        const qsizetype length = size ? qsizetype(quint8(input[i % size])) % (size - from + 1) : 0;
        cut[i] = input.sliced(from, length);
        from += length;
    }
    cut[3] = input.sliced(from);
    return cut;
}

// A throw-away folder, in memory where the system has one: every save syncs.
QString folderPath() {
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/tombel-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/tombel-fuzz-XXXXXX"));
    check(folder.isValid());
    return folder.path();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString folder = folderPath();
    const QString path = settingsPath(folder);

    // Whatever the file holds reads back, once written, as it was read.
    const SettingsFields fields = parseSettings(input);
    const Settings read = settingsOf(fields);
    const SettingsFields again = parseSettings(settingsBytes(read));
    for (int i = 0; i < 4; ++i)
        check(again[i].has_value() && *again[i] == fields[i].value_or(QString()));

    // Values made of any bytes but line breaks are written back byte for
    // byte, bytes that are not UTF-8, controls and inner quotes included.
    QByteArray kept;
    for (char byte : input)
        if (byte != '\r' && byte != '\n')
            kept += byte;
    QByteArray file;
    for (QByteArrayView piece : pieces(kept))
        file += '"' + piece.toByteArray() + "\"\r\n";
    const SettingsFields keptFields = parseSettings(file);
    check(settingsBytes({*keptFields[0], *keptFields[1], *keptFields[2], *keptFields[3]}) == file);

    // Values holding any UTF-16 code units at all still make four lines.
    std::array<QString, 4> values;
    const auto units = pieces(input);
    for (int i = 0; i < 4; ++i)
        values[i] = QString::fromUtf16(reinterpret_cast<const char16_t*>(units[i].data()),
                                       units[i].size() / 2);
    const Settings any{values[0], values[1], values[2], values[3]};
    check(writeSettings(folder, any));
    const QByteArray written = contentsOf(path);
    check(written.count('\r') == 4 && written.count('\n') == 4 && written.endsWith("\"\r\n"));
    const QList<QByteArray> lines = written.split('\n');
    for (qsizetype i = 0; i < 4; ++i)
        check(lines[i].size() >= 3 && lines[i].startsWith('"') && lines[i].endsWith("\"\r"));
    const Settings back = readSettings(folder);
    check(settingsBytes(back) == written);
    const std::array<const QString*, 4> backValues{&back.playerName, &back.startingCreditLevel,
                                                   &back.themeNumber, &back.holdMarkerCaption};
    for (int i = 0; i < 4; ++i) {
        bool plain = true;
        for (QChar unit : values[i])
            plain = plain && !unit.isSurrogate();
        if (plain)
            check(*backValues[i] == blanked(values[i]));
    }

    // The main menu's load.
    {
        QFile config(path);
        check(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(config.write(input) == input.size());
    }
    const Settings copies = loadMenuSettings(folder);
    const QByteArray after = contentsOf(path);
    if (after == input) {
        check(copies == read);
        check(!read.playerName.isEmpty() && !read.startingCreditLevel.isEmpty() &&
              !read.themeNumber.isEmpty());
    } else {
        check(after == settingsBytes(Settings::defaults()));
        check(copies == Settings::defaults());
    }
    return 0;
}
