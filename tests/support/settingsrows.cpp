#include "settingsrows.h"

#include <QTest>

void addForeignSettingsFileRows() {
    // Written back, each comes out in the program's own form.
    QTest::newRow("three lines") << QByteArray("\"Ana\"\r\n\"2\"\r\n\"3\"\r\n")
                                 << Settings{"Ana", "2", "3", ""};
    QTest::newRow("extra lines") << QByteArray("\"Ana\"\r\n\"2\"\r\n\"3\"\r\n\"x\"\r\n\"y\"\r\n")
                                 << Settings{"Ana", "2", "3", "x"};
    QTest::newRow("LF endings") << QByteArray("\"Ana\"\n\"2\"\n\"3\"\n\"x\"\n")
                                << Settings{"Ana", "2", "3", "x"};
    QTest::newRow("missing file") << QByteArray() << Settings::defaults();
}
