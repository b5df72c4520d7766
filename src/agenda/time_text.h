#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brivonce {

// The alarm-time edit holds "hh:mm": two hour digits, a colon, two minute
// digits. A blank (a digit not typed yet) is a space.
inline constexpr std::size_t kTimeTextLength = 5;

enum class TimePart { kHour, kMinute };

// The minute of the day (0..1439) a slot's label stands for, when it is
// exactly "hh:mm" with hh 00..23 and mm 00..59. Anything else is no time: it
// never rings, and an export places its slot at the slot's own hour.
std::optional<int> ParseTimeLabel(std::string_view label);

// "hh:mm", the label of a time.
std::string FormatTimeLabel(int hour, int minute);

// What the edit shows for a slot's label: its characters 1-2 and 4-5 around a
// colon. Characters the label lacks are blanks.
std::string TimeEditText(std::string_view label);

// The edit's text after a change, and which parts had to be put back.
struct TimeCorrection {
    std::string text;
    bool hourRestored = false;
    bool minuteRestored = false;
};

// Applied after every change of the edit: blanks (and anything else that is not
// a digit) become "0"; then an hour above 23 takes the hour of `start`, and a
// minute above 59 the minute of `start`. A part of `start` that is itself no
// valid hour or minute counts as "00", so the result is always a valid time.
// With `hourPending` (only the hour's first digit is typed yet) the hour is
// left as typed: "2" over "07" reads 27 until the second digit comes.
TimeCorrection CorrectTimeText(std::string_view text, std::string_view start,
                               bool hourPending = false);

// One click of a spin button: the part moves by `delta` when it stays within
// 00..23 (hour) or 00..59 (minute); otherwise nothing changes. There is no
// wrap-around and no carry into the other part. `text` is corrected first.
std::string StepTime(std::string_view text, TimePart part, int delta);

}  // namespace brivonce
