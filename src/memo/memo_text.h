#pragma once

#include <string>
#include <string_view>

namespace brivonce {

// F5: the memo with one more line holding `stamp` at its end. A line break
// separates it from text that does not already end with one; after text that
// does, or in an empty memo, the new line gets a line break of its own.
std::string AppendStampLine(std::string_view memo, std::string_view stamp);

// The stamp: "dd/mm/yyyy", then a blank and "hh:mm:ss" unless it is midnight.
std::string DateTimeStamp(std::string_view shortDate, int hour, int minute, int second);

}  // namespace brivonce
