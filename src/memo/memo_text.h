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

// The longest run of characters (bytes of UTF-8) with no place where a line
// could wrap: no space, tab, line break or hyphen.
std::size_t LongestUnbrokenRun(std::string_view text);

// Beyond this, wrapping a run at word boundaries gets too slow to do.
inline constexpr std::size_t kLongRun = 4096;

}  // namespace brivonce
