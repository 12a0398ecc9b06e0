#include "common/runtime.h"

#include "common/heldbytes.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
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

QString numberText(std::int64_t value) {
    return QString::number(value);
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
