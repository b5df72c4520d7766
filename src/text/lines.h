#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brivonce {

inline constexpr std::string_view kCrLf = "\r\n";

// Splits text into lines ended by CR LF, lone LF or lone CR. A final line
// break does not start another (empty) line; text without one still ends its
// last line.
std::vector<std::string> SplitLines(std::string_view text);

// Joins lines, each followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Turns every lone CR and lone LF into CR LF, keeping everything else as it is.
std::string NormalizeLineBreaks(std::string_view text);

}  // namespace brivonce
