#pragma once
// Text that keeps its bytes. The values of config.not and the name of the
// program's folder are bytes in no known encoding. They are held as UTF-8
// decoded, and each byte that is not part of valid UTF-8 as the lone
// surrogate U+DC00 + byte, so that text nobody changed turns back into
// exactly the bytes it came from.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

QString textOfBytes(QByteArrayView bytes);

// UTF-8, with held bytes written as they were. Only text made up elsewhere
// can hold a run of held bytes that would form valid UTF-8, or a stray
// surrogate: they are written as U+FFFD, so that the bytes read back as
// they were written.
QByteArray bytesOfText(const QString& text);

// Whether this unit holds a byte that was not valid UTF-8.
constexpr bool holdsByte(char16_t unit) {
    return unit >= 0xDC80 && unit <= 0xDCFF;
}
