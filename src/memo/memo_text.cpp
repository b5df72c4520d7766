#include "memo/memo_text.h"

#include <algorithm>

#include <cstdio>

namespace brivonce {

std::string AppendStampLine(std::string_view memo, std::string_view stamp) {
    std::string text(memo);
    if (text.empty() || text.back() == '\n') {
        text.append(stamp).append("\n");
    } else {
        text.append("\n").append(stamp);
    }
    return text;
}

std::string DateTimeStamp(std::string_view shortDate, int hour, int minute, int second) {
    std::string stamp(shortDate);
    if (hour != 0 || minute != 0 || second != 0) {
        char time[16];
        std::snprintf(time, sizeof time, " %02d:%02d:%02d", hour, minute, second);
        stamp += time;
    }
    return stamp;
}

std::size_t LongestUnbrokenRun(std::string_view text) {
    std::size_t longest = 0;
    std::size_t run = 0;
    for (char c : text) {
        bool breaks = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '-';
        run = breaks ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

}  // namespace brivonce
