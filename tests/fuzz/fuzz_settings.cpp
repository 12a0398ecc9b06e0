// Feeds arbitrary bytes to config.not and checks what the program makes of
// them: reading never crashes, every value read writes back and reads again
// unchanged, and the main menu's load leaves the file either untouched or
// holding exactly the default bytes.

#include "startup/settings.h"

#include <QFile>
#include <QTemporaryDir>

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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const SettingsFields fields = parseSettings(input);
    const Settings read{fields[0].value_or(QString()), fields[1].value_or(QString()),
                        fields[2].value_or(QString()), fields[3].value_or(QString())};
    const SettingsFields again = parseSettings(settingsBytes(read));
    for (int i = 0; i < 4; ++i)
        check(again[i].has_value() && *again[i] == fields[i].value_or(QString()));

    static QTemporaryDir folder;
    check(folder.isValid());
    const QString path = settingsPath(folder.path());
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(input) == input.size());
    }
    const Settings copies = loadMenuSettings(folder.path());
    const QByteArray after = contentsOf(path);
    if (after == input) {
        check(copies == read);
        check(!read.playerName.isEmpty() && !read.startingStakeLevel.isEmpty() &&
              !read.themeNumber.isEmpty());
    } else {
        check(after == settingsBytes(Settings::defaults()));
        check(copies == Settings::defaults());
    }
    return 0;
}
