// Positions as the builder's pages and listings hold them: degrees, "*", minutes and "'",
// either as decimal minutes ("47*30.50'") or as the record lines' angle text, whole
// minutes followed by hundredths and ten-thousandths ("047* 30'50.00"), with or without
// a hemisphere letter in front.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gathrel {

enum class Axis { Latitude, Longitude };

// Signed degrees (north and east positive); a letter in the text wins over
// defaultNegative (south or west when no letter is given). nullopt when the text is not
// a position or lies outside the axis's range.
std::optional<double> ReadPositionText(std::string_view text, Axis axis, bool defaultNegative = false);

// The record lines' angle text of signed degrees, hemisphere letter first.
std::string PositionAngleText(double degrees, Axis axis);

}  // namespace gathrel
