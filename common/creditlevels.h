#pragma once
// The starting-credit levels: the value config.not holds for each, the
// credit a new card table starts with, and how the options screen and the
// card table show that credit (fixed texts, whatever the regional settings).

#include "common/money.h"

#include <array>

struct CreditLevel {
    const char* value;
    Amount credit;
    const char* shown;
};

inline constexpr std::array<CreditLevel, 3> creditLevels{{
    {"1", 2000, "2,000.00"},
    {"2", 5000, "5,000.00"},
    {"3", 10000, "10,000.00"},
}};
