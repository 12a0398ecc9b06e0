#include "common/settingsfile.h"

#include "common/heldbytes.h"
#include "common/safesave.h"

#include <QDir>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Settings Settings::defaults() {
    return {QStringLiteral("Igrac 1"), QStringLiteral("1"), QStringLiteral("1"),
            QStringLiteral("x")};
}

QString settingsPath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("config.not"));
}

namespace {
// Where the first CR or LF stands, or the end.
const char* lineEnd(const char* from, const char* end) {
    const auto* feed = static_cast<const char*>(std::memchr(from, '\n', size_t(end - from)));
    const auto* ret = static_cast<const char*>(std::memchr(from, '\r', size_t(end - from)));
    return std::min(feed ? feed : end, ret ? ret : end);
}

QString fieldOfLine(QByteArrayView line) {
    const qsizetype first = line.indexOf('"');
    const qsizetype last = line.lastIndexOf('"');
    if (first < 0 || last == first)
        return textOfBytes(line);
    return textOfBytes(line.sliced(first + 1, last - first - 1));
}

// Windows-1250 for the bytes 80 to FF; FFFD where it names no character.
constexpr char16_t windows1250[128] = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const QString noFolder = QStringLiteral("the program's folder cannot be found");

} // namespace

QByteArray settingsBytes(const Settings& settings) {
    QByteArray bytes;
    for (const QString* value : {&settings.playerName, &settings.startingCreditLevel,
                                 &settings.themeNumber, &settings.holdMarkerCaption}) {
        // Inner quotes are written as they stand: the reader takes the text
        // between the first and the last quote, so such a value still reads back.
        QByteArray line = bytesOfText(*value);
        line.replace('\r', ' ').replace('\n', ' ');
        bytes += '"' + line + "\"\r\n";
    }
    return bytes;
}

SettingsFields parseSettings(const QByteArray& contents) {
    SettingsFields fields;
    QByteArrayView rest(contents);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    for (auto& field : fields) {
        if (rest.isEmpty())
            break;
        const qsizetype end = lineEnd(rest.data(), rest.data() + rest.size()) - rest.data();
        field = fieldOfLine(rest.first(end));
        qsizetype next = end;
        if (next < rest.size() && rest[next] == '\r')
            ++next;
        if (next < rest.size() && rest[next] == '\n' && (next == end || rest[end] == '\r'))
            ++next;
        rest = rest.sliced(next);
    }
    return fields;
}

std::optional<SettingsFields> readSettingsFields(const QString& programFolder) {
    const QByteArray path = bytesOfText(settingsPath(programFolder));
    const auto unreadable = [&](const QString& why) {
        std::fprintf(stderr, "tombel: cannot read %s: %s\n", path.constData(), qPrintable(why));
        return std::nullopt;
    };
    if (programFolder.isEmpty())
        return unreadable(noFolder);
    // Opened without blocking and read only when it is a regular file: a
    // FIFO or a device in its place would otherwise stop the program.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return SettingsFields{};
    if (fd < 0)
        return unreadable(safesave::errorText(errno));
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return unreadable(safesave::notRegularFile());
    // Never half of a save made in place by another copy of the game.
    if (const QString locked = safesave::lockForReading(fd); !locked.isEmpty())
        return unreadable(locked);

    // Only four lines are ever used: the file is read up to the fourth line
    // end, and a line past the limit makes it damaged.
    constexpr qsizetype chunk = 1024 * 1024;
    QByteArray contents;
    contents.reserve(qsizetype(std::min<qint64>(status.st_size, longestSettingsLine)) + chunk);
    qsizetype lineStart = 0;
    int lineEnds = 0;
    while (lineEnds < 4) {
        const qsizetype from = contents.size();
        contents.resize(from + chunk);
        const ssize_t got = ::read(fd, contents.data() + from, size_t(chunk));
        contents.resize(from + std::max<ssize_t>(got, 0));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable(safesave::errorText(errno));
        if (got == 0)
            break;
        const char* bytes = contents.constData();
        const char* end = bytes + contents.size();
        for (const char* next = bytes + from; next < end && lineEnds < 4; ++next) {
            next = lineEnd(next, end);
            if (next == end)
                break;
            const qsizetype i = next - bytes;
            if (i - lineStart > longestSettingsLine)
                return SettingsFields{};
            // The LF of a CR LF ends no further line.
            if (bytes[i] == '\r' || i == 0 || bytes[i - 1] != '\r')
                ++lineEnds;
            lineStart = i + 1;
        }
        if (lineEnds < 4 && contents.size() - lineStart > longestSettingsLine)
            return SettingsFields{};
    }
    return parseSettings(contents);
}

Settings settingsOf(const SettingsFields& fields) {
    return {fields[0].value_or(QString()), fields[1].value_or(QString()),
            fields[2].value_or(QString()), fields[3].value_or(QString())};
}

Settings readSettings(const QString& programFolder) {
    const std::optional<SettingsFields> fields = readSettingsFields(programFolder);
    // Where the menu's load found nothing to read, the menu plays the
    // defaults; every other screen then plays them too.
    if (!fields || !(*fields)[0])
        return Settings::defaults();
    return settingsOf(*fields);
}

QString shownValue(const QString& value) {
    // No text typed in UTF-8 holds the C1 controls 80 to 9F, while Windows-1250
    // pairs such as "\xC2\x9A" ("Âš") read as one of them.
    const bool utf8 = std::none_of(value.cbegin(), value.cend(), [](QChar unit) {
        return holdsByte(unit.unicode()) || (unit.unicode() >= 0x80 && unit.unicode() < 0xA0);
    });
    if (utf8) {
        QString shown = value.left(longestShownValue);
        // Never half a character.
        if (shown.size() < value.size() && shown.back().isHighSurrogate())
            shown.chop(1);
        return shown;
    }
    const QByteArray bytes = bytesOfText(value.left(longestShownValue)).left(longestShownValue);
    QString shown(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        shown[i] = QChar(byte < 0x80 ? char16_t(byte) : windows1250[byte - 0x80]);
    }
    return shown;
}

bool writeSettings(const QString& programFolder, const Settings& settings) {
    const QString path = settingsPath(programFolder);
    const QString error = programFolder.isEmpty()
                              ? noFolder
                              : safesave::replaceFile(bytesOfText(path), settingsBytes(settings));
    if (error.isEmpty())
        return true;
    std::fprintf(stderr, "tombel: cannot write %s: %s\n", bytesOfText(path).constData(),
                 qPrintable(error));
    return false;
}

Settings loadMenuSettings(const QString& programFolder) {
    const std::optional<SettingsFields> fields = readSettingsFields(programFolder);
    // The player's values in a file out of reach come back once it can be
    // read again: meanwhile the defaults are played, not written over them.
    if (!fields)
        return Settings::defaults();
    Settings copies = settingsOf(*fields);
    if (!copies.playerName.isEmpty() && !copies.startingCreditLevel.isEmpty() &&
        !copies.themeNumber.isEmpty())
        return copies;
    copies = Settings::defaults();
    // A folder that cannot be written keeps the defaults in memory only; the
    // menu goes on without a message.
    writeSettings(programFolder, copies);
    return copies;
}
