#pragma once
// config.not, the program's only stored state: four lines, each a value in
// double quotes ended by CR LF, in the order player name, starting-credit
// level, theme number, hold-marker caption. Every screen keeps copies of its
// own and reads or writes all four fields at once.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

struct Settings {
    QString playerName;
    QString startingStakeLevel;
    QString themeNumber;
    QString holdMarkerCaption;

    static Settings defaults();
    bool operator==(const Settings&) const = default;
};

// The fields a file holds, in file order; a field the file lacks is missing.
using SettingsFields = std::array<std::optional<QString>, 4>;

QString settingsPath(const QString& programFolder);

// The exact bytes of a settings file holding these values.
QByteArray settingsBytes(const Settings& settings);

// Splits file contents into fields. A line ends at CR LF, LF or CR; its value
// is the text between its first and last double quote, or the whole line
// when it holds fewer than two. A UTF-8 byte-order mark is ignored.
SettingsFields parseSettings(const QByteArray& contents);

// Reads the file; a file that cannot be read has every field missing.
SettingsFields readSettingsFields(const QString& programFolder);

// Reads the file for screens that only need its values: a missing field is
// the empty text.
Settings readSettings(const QString& programFolder);

// Replaces the file atomically with the four values; in a folder that cannot
// be written, a file that can be is rewritten in place. A failure is reported
// on standard error and returned as false; the old file is then left untouched.
bool writeSettings(const QString& programFolder, const Settings& settings);

// The main menu's load on every activation: a file that is missing, or whose
// first, second or third value is empty, gives the four defaults and is
// rewritten with them; otherwise the values read stand (a missing fourth
// value as the empty text) and the file is left alone.
Settings loadMenuSettings(const QString& programFolder);
