#pragma once
// The handful of services every screen leans on: number readings and texts,
// the money format, colour composition and the program's folder.

#include <QString>
#include <cstdint>
#include <optional>

class QLocale;

namespace runtime {

// Reads a text as a number the way the player's regional settings write it
// (grouping and decimal separators of the default QLocale). Surrounding blanks
// are allowed; anything else that is not part of a number makes the reading
// fail, and so does the empty text.
std::optional<double> regionalNumber(const QString& text);

// Plain digits, "-" before a negative, no blanks or separators.
QString numberText(std::int64_t value);

// Integer part towards minus infinity.
double floorValue(double value);

// "###,##0.00" with the separators of the given locale (the default locale
// when none is given). Amounts are whole numbers, so the decimals are "00".
QString moneyFormat(std::int64_t amount);
QString moneyFormat(std::int64_t amount, const QLocale& locale);

// A colour value: red + 256 green + 65536 blue, each part clamped to 0..255.
std::uint32_t rgb(int red, int green, int blue);

// The folder that holds config.not and Grafika/: the executable's folder,
// unless a test has pointed it elsewhere. Its name keeps the folder's bytes
// (common/heldbytes.h). Empty when the folder cannot be found: then nothing
// is read or saved, rather than somewhere else.
QString programFolder();
void setProgramFolder(const QString& folder);

} // namespace runtime
