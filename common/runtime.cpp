#include "common/runtime.h"

#include "common/heldbytes.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <unistd.h>

namespace runtime {

std::optional<double> regionalNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QLocale locale;
    // The C locale omits grouping when printing, but a reader should still
    // accept "2,000" as English settings would.
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double pointNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto isAsciiDigit = [&](qsizetype at) {
        return at < n && text[at] >= u'0' && text[at] <= u'9';
    };
    const auto isSign = [&](qsizetype at) {
        return at < n && (text[at] == u'-' || text[at] == u'+');
    };
    // Copies the run of digits starting at `at` into `out`; returns how many.
    const auto takeDigits = [&](qsizetype& at, QString& out) {
        const qsizetype from = at;
        while (isAsciiDigit(at))
            out += text[at++];
        return at - from;
    };

    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    QString number;
    if (isSign(i))
        number += text[i++];
    qsizetype digits = takeDigits(i, number);
    if (i < n && text[i] == u'.') {
        number += text[i++];
        digits += takeDigits(i, number);
    }
    if (digits == 0)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        QString exponent = QStringLiteral("e");
        qsizetype j = i + 1;
        if (isSign(j))
            exponent += text[j++];
        if (takeDigits(j, exponent) > 0)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString numberText(std::int64_t value) {
    return QString::number(value);
}

QString numberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<std::int64_t>(value));
    return QString::number(value, 'g', 15);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

template <typename Int> static std::optional<Int> roundTo(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

std::optional<std::int16_t> roundToInt16(double value) {
    return roundTo<std::int16_t>(value);
}
std::optional<std::int32_t> roundToInt32(double value) {
    return roundTo<std::int32_t>(value);
}

double floorValue(double value) {
    return std::floor(value);
}

QString moneyFormat(std::int64_t amount) {
    return moneyFormat(amount, QLocale());
}

QString moneyFormat(std::int64_t amount, const QLocale& locale) {
    // Built by hand: QLocale::toString() leaves out the grouping under the C
    // locale, where the format still groups with ",".
    const bool negative = amount < 0;
    // Unsigned negation keeps the most negative amount whole.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    const QString digits = QString::number(magnitude);
    const QString group = locale.groupSeparator();
    QString grouped;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += group;
        grouped += digits[i];
    }
    return (negative ? locale.negativeSign() : QString()) + grouped + locale.decimalPoint() +
           QStringLiteral("00");
}

std::uint32_t rgb(int red, int green, int blue) {
    const auto part = [](int v) {
        return static_cast<std::uint32_t>(v < 0 ? 0 : v > 255 ? 255 : v);
    };
    return part(red) + 256u * part(green) + 65536u * part(blue);
}

static QString& folderOverride() {
    static QString folder;
    return folder;
}

QString programFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
#ifdef Q_OS_LINUX
    // The kernel's link to the running program holds its folder's exact
    // bytes. Qt's own path loses those that are not UTF-8 and then names the
    // working directory instead.
    QByteArray path(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), size_t(path.size()));
        if (length < 0)
            return {};
        if (length < path.size()) {
            path.truncate(length);
            break;
        }
        path.resize(2 * path.size());
    }
    const qsizetype slash = path.lastIndexOf('/');
    if (!path.startsWith('/') || slash < 0)
        return {};
    return textOfBytes(path.first(std::max<qsizetype>(slash, 1)));
#else
    return QCoreApplication::applicationDirPath();
#endif
}

void setProgramFolder(const QString& folder) {
    folderOverride() = folder;
}

} // namespace runtime
