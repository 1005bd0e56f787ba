#pragma once

#include <array>
#include <optional>

class QSettings;

// The printer's margins as the user left them (top, left, bottom, right in
// mm), shared by the window and the command line so both lay out the same.
namespace LMStoredMargins {

std::optional<std::array<double, 4>> read(const QSettings &stored);
void write(QSettings &stored, const std::array<double, 4> &margins);

} // namespace LMStoredMargins
