#include "common/heldbytes.h"

namespace {
constexpr char16_t byteHolder = 0xDC00;

// The length of the valid UTF-8 sequence at the start of these bytes, with
// its code point; 0 when none starts there. Overlong forms, surrogates and
// code points above U+10FFFF are not valid.
int utf8Sequence(const unsigned char* bytes, qsizetype available, char32_t& code) {
    const unsigned char lead = bytes[0];
    int length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        least = 0x10000;
    }
    if (length == 0 || available < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (bytes[i] & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

char* putUtf8(char* out, char32_t code) {
    if (code < 0x80) {
        *out++ = char(code);
    } else if (code < 0x800) {
        *out++ = char(0xC0 | (code >> 6));
        *out++ = char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = char(0xE0 | (code >> 12));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    } else {
        *out++ = char(0xF0 | (code >> 18));
        *out++ = char(0x80 | ((code >> 12) & 0x3F));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    }
    return out;
}

// Whether the held byte at `at`, written as it stands together with the
// held bytes after it, would form valid UTF-8 and so read back as another
// character.
bool heldBytesFormCharacter(const char16_t* units, qsizetype at, qsizetype size) {
    unsigned char run[4];
    qsizetype length = 0;
    while (length < 4 && at + length < size && holdsByte(units[at + length])) {
        run[length] = static_cast<unsigned char>(units[at + length] - byteHolder);
        ++length;
    }
    char32_t code = 0;
    return utf8Sequence(run, length, code) > 0;
}
} // namespace

QString textOfBytes(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        while (i < size && in[i] < 0x80)
            *out++ = in[i++];
        if (i == size)
            break;
        char32_t code = 0;
        const int length = utf8Sequence(in + i, size - i, code);
        if (length == 0) {
            *out++ = char16_t(byteHolder + in[i++]);
        } else if (code >= 0x10000) {
            *out++ = QChar::highSurrogate(code);
            *out++ = QChar::lowSurrogate(code);
            i += length;
        } else {
            *out++ = char16_t(code);
            i += length;
        }
    }
    text.truncate(out - reinterpret_cast<const char16_t*>(text.constData()));
    return text;
}

QByteArray bytesOfText(const QString& text) {
    QByteArray bytes(3 * text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const auto* units = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        while (i < size && units[i] < 0x80)
            *out++ = char(units[i++]);
        if (i == size)
            break;
        const char16_t unit = units[i];
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(units[i + 1])) {
            out = putUtf8(out, QChar::surrogateToUcs4(unit, units[i + 1]));
            ++i;
        } else if (holdsByte(unit) && !heldBytesFormCharacter(units, i, size)) {
            *out++ = char(unit - byteHolder);
        } else if (QChar::isSurrogate(unit)) {
            out = putUtf8(out, QChar::ReplacementCharacter);
        } else {
            out = putUtf8(out, unit);
        }
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}
