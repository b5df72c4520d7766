#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace brivonce {

inline constexpr std::size_t kFeastCount = 379;

// The feast and name-day list, in the order the "Atteindre une fête :" list shows
// it (alphabetical, ignoring case and accents). A dated entry is a name, "*" and
// the day and month on two digits each ("Auguste*2902"); exactly one dated entry
// per day of a leap year. The 13 undated entries are the movable feasts, whose
// dates are computed.
extern const std::array<std::string_view, kFeastCount> kFeastList;

// The text before the "*", or the whole entry when it has none.
std::string_view FeastDisplayName(std::string_view entry);

}  // namespace brivonce
