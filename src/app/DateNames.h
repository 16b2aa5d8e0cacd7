#pragma once

#include <QString>

#include <array>

// The names dates are written with in this process, taken from the user's
// locale. Nothing in the program formats dates today; whoever does takes the
// names from here.
struct DateNames
{
    std::array<QString, 7> shortDayNames; // Monday first
    std::array<QString, 12> shortMonthNames;
    std::array<QString, 12> longMonthNames;
};

// The Austrian touches: short day names lose a final "."; a short month
// name "JAN" (compared in upper case) becomes "Jän", "MRZ" becomes "Mär"; the
// first long month name "JANUAR" becomes "Jänner".
void AdjustDateNames(DateNames &names);

// Once at start: fills the process's names from the user's locale and
// adjusts them.
void AdjustDateNames();
const DateNames &ProcessDateNames();
