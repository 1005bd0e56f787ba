#pragma once

#include <QString>

// Lengths as the user reads them: millimetres where the locale measures in
// metric, inches elsewhere. The page itself keeps 3 document pixels per mm.
namespace LMUnits {

constexpr double PixelsPerMm = 3.0;
constexpr double MmPerInch = 25.4;

bool usesInches();
// `mm` in the user's unit, as a number with that unit's decimals.
QString number(double mm);
// The unit's short name ("mm" or "in").
QString unitName();

} // namespace LMUnits
