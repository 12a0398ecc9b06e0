#include "startup/settings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>

Settings Settings::defaults() {
    return {QStringLiteral("Igrac 1"), QStringLiteral("1"), QStringLiteral("1"),
            QStringLiteral("x")};
}

QString settingsPath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("config.not"));
}

QByteArray settingsBytes(const Settings& settings) {
    QByteArray bytes;
    for (const QString* value : {&settings.playerName, &settings.startingStakeLevel,
                                 &settings.themeNumber, &settings.holdMarkerCaption}) {
        // Inner quotes are written as they stand: the reader takes the text
        // between the first and the last quote, so such a value still reads back.
        bytes += '"';
        bytes += value->toUtf8();
        bytes += "\"\r\n";
    }
    return bytes;
}

namespace {
// Unlike QString::fromUtf8, keeps a byte-order mark at the start of a value,
// so every value reads back exactly as it was written.
QString decodeUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString fieldOfLine(QByteArrayView line) {
    const qsizetype first = line.indexOf('"');
    const qsizetype last = line.lastIndexOf('"');
    if (first < 0 || last == first)
        return decodeUtf8(line);
    return decodeUtf8(line.sliced(first + 1, last - first - 1));
}
} // namespace

SettingsFields parseSettings(const QByteArray& contents) {
    SettingsFields fields;
    QByteArrayView rest(contents);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    for (auto& field : fields) {
        if (rest.isEmpty())
            break;
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
            ++end;
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

SettingsFields readSettingsFields(const QString& programFolder) {
    QFile file(settingsPath(programFolder));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Only four lines are ever used, so a huge file is read no further than
    // needed: whole lines up to the fourth line end. Each chunk's line ends
    // are counted once, so one long line costs no more than its reading.
    QByteArray contents;
    qsizetype feeds = 0;
    qsizetype returns = 0;
    while (std::max(feeds, returns) < 4 && !file.atEnd()) {
        const QByteArray chunk = file.read(64 * 1024);
        if (chunk.isEmpty())
            break;
        contents += chunk;
        // Never more than the true number of line ends, whatever their kind.
        feeds += chunk.count('\n');
        returns += chunk.count('\r');
    }
    if (file.error() != QFileDevice::NoError && contents.isEmpty())
        return {};
    return parseSettings(contents);
}

Settings readSettings(const QString& programFolder) {
    const SettingsFields fields = readSettingsFields(programFolder);
    return {fields[0].value_or(QString()), fields[1].value_or(QString()),
            fields[2].value_or(QString()), fields[3].value_or(QString())};
}

bool writeSettings(const QString& programFolder, const Settings& settings) {
    const QString path = settingsPath(programFolder);
    QSaveFile file(path);
    // In a folder that cannot be written no new file can take the old one's
    // place; a file that can be written is then rewritten where it stands.
    file.setDirectWriteFallback(true);
    const QByteArray bytes = settingsBytes(settings);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "tombel: cannot write %s: %s\n",
                     qPrintable(QDir::toNativeSeparators(path)), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

Settings loadMenuSettings(const QString& programFolder) {
    const SettingsFields fields = readSettingsFields(programFolder);
    Settings copies{fields[0].value_or(QString()), fields[1].value_or(QString()),
                    fields[2].value_or(QString()), fields[3].value_or(QString())};
    if (!copies.playerName.isEmpty() && !copies.startingStakeLevel.isEmpty() &&
        !copies.themeNumber.isEmpty())
        return copies;
    copies = Settings::defaults();
    // A folder that cannot be written keeps the defaults in memory only; the
    // menu goes on without a message.
    writeSettings(programFolder, copies);
    return copies;
}
