#pragma once
// config.not, the program's only stored state: four lines, each a value in
// double quotes ended by CR LF, in the order player name, starting-credit
// level, theme number, hold-marker caption. Every screen keeps copies of its
// own and reads or writes all four fields at once.
//
// Values are held as text that keeps the file's bytes (common/heldbytes.h),
// so a value that nobody edits is written back with exactly the bytes it was
// read from; shownValue() turns it into readable text.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

struct Settings {
    QString playerName;
    QString startingCreditLevel;
    QString themeNumber;
    QString holdMarkerCaption;

    static Settings defaults();
    bool operator==(const Settings&) const = default;
};

// The fields a file holds, in file order; a field the file lacks is missing.
using SettingsFields = std::array<std::optional<QString>, 4>;

// A line longer than this makes the whole file read as damaged, so that a
// huge file is never read whole. Far above any name a player would keep.
constexpr qsizetype longestSettingsLine = 64 * 1024 * 1024;

// At most this many characters of a value are ever shown on a screen.
constexpr qsizetype longestShownValue = 512;

QString settingsPath(const QString& programFolder);

// The exact bytes of a settings file holding these values. A CR or LF would
// break the four-line form (no value read from a file holds one): each is
// written as a blank.
QByteArray settingsBytes(const Settings& settings);

// Splits file contents into fields. A line ends at CR LF, LF or CR; its value
// is the text between its first and last double quote, or the whole line
// when it holds fewer than two. A UTF-8 byte-order mark is ignored.
SettingsFields parseSettings(const QByteArray& contents);

// Reads the file. A missing file, or one with a line longer than
// longestSettingsLine among its first four, has every field missing. A file
// that is there but cannot be read now (no permission, not a regular file,
// another program's lease) gives nothing, and standard error says why: its
// values are the player's, only out of reach. Never blocks on opening.
std::optional<SettingsFields> readSettingsFields(const QString& programFolder);

// The values of the fields read: a missing field is the empty text.
Settings settingsOf(const SettingsFields& fields);

// Reads the file for screens that only need its values: a missing field is
// the empty text. A file that is missing, empty or cannot be read gives the
// defaults, as the main menu plays them then.
Settings readSettings(const QString& programFolder);

// The start of a value as a screen shows it: at most longestShownValue
// characters, read as UTF-8 when its bytes are valid UTF-8 without C1
// controls, else as Windows-1250 (the encoding of older files).
QString shownValue(const QString& value);

// Writes the four values, safely (common/safesave.h): an interrupted save
// leaves the old or the new four lines, and copies of the game saving at
// once leave one whole version. A failure is reported on standard error and
// returned as false; the file then holds what it held before.
bool writeSettings(const QString& programFolder, const Settings& settings);

// The main menu's load on every activation: a file that is missing, or whose
// first, second or third value is empty, gives the four defaults and is
// rewritten with them; otherwise the values read stand (a missing fourth
// value as the empty text) and the file is left alone. A file that cannot be
// read gives the defaults and is left alone too.
Settings loadMenuSettings(const QString& programFolder);
