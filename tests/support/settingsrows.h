#pragma once
// Data rows for the screens that read config.not on showing and write it back
// on leaving: files the program did not write itself, and what they read as.

#include "common/settingsfile.h"

#include <QMetaType>

Q_DECLARE_METATYPE(Settings)

// Adds "three lines", "extra lines", "LF endings" and "missing file" (which
// reads as the defaults) to a table whose columns are the file's bytes and
// the Settings written back.
void addForeignSettingsFileRows();
