#include "agenda/time_text.h"

namespace brivonce {
namespace {

constexpr std::size_t kHourAt = 0;
constexpr std::size_t kMinuteAt = 3;

constexpr std::size_t PartAt(TimePart part) {
    return part == TimePart::kHour ? kHourAt : kMinuteAt;
}

constexpr int PartLimit(TimePart part) {
    return part == TimePart::kHour ? 23 : 59;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Five characters with a colon in the middle and digits elsewhere.
std::string Digits(std::string_view text) {
    std::string digits = TimeEditText(text);
    for (std::size_t i = 0; i < kTimeTextLength; ++i) {
        if (i != 2 && !IsDigit(digits[i])) {
            digits[i] = '0';
        }
    }
    return digits;
}

int PartValue(const std::string& digits, TimePart part) {
    std::size_t at = PartAt(part);
    return (digits[at] - '0') * 10 + (digits[at + 1] - '0');
}

// `value` is 0..99: every value written back has two digits.
void SetPart(std::string& digits, TimePart part, int value) {
    digits[PartAt(part)] = static_cast<char>('0' + value / 10);
    digits[PartAt(part) + 1] = static_cast<char>('0' + value % 10);
}

// Puts back `part` from `start` when it is out of range; true when it did.
bool RestorePart(std::string& digits, const std::string& start, TimePart part) {
    if (PartValue(digits, part) <= PartLimit(part)) {
        return false;
    }
    int startValue = PartValue(start, part);
    SetPart(digits, part, startValue <= PartLimit(part) ? startValue : 0);
    return true;
}

}  // namespace

std::optional<int> ParseTimeLabel(std::string_view label) {
    if (label.size() != kTimeTextLength || label[2] != ':' || !IsDigit(label[0]) ||
        !IsDigit(label[1]) || !IsDigit(label[3]) || !IsDigit(label[4])) {
        return std::nullopt;
    }
    std::string digits(label);
    int hour = PartValue(digits, TimePart::kHour);
    int minute = PartValue(digits, TimePart::kMinute);
    if (hour > PartLimit(TimePart::kHour) || minute > PartLimit(TimePart::kMinute)) {
        return std::nullopt;
    }
    return hour * 60 + minute;
}

std::string TimeEditText(std::string_view label) {
    std::string text = "  :  ";
    for (std::size_t i : {0u, 1u, 3u, 4u}) {
        if (i < label.size()) {
            text[i] = label[i];
        }
    }
    return text;
}

TimeCorrection CorrectTimeText(std::string_view text, std::string_view start, bool hourPending) {
    TimeCorrection result{Digits(text)};
    std::string startDigits = Digits(start);
    if (hourPending) {
        result.text.replace(kHourAt, 2, TimeEditText(text).substr(kHourAt, 2));
    } else {
        result.hourRestored = RestorePart(result.text, startDigits, TimePart::kHour);
    }
    result.minuteRestored = RestorePart(result.text, startDigits, TimePart::kMinute);
    return result;
}

std::string StepTime(std::string_view text, TimePart part, int delta) {
    std::string digits = CorrectTimeText(text, "00:00").text;
    int value = PartValue(digits, part) + delta;
    if (value >= 0 && value <= PartLimit(part)) {
        SetPart(digits, part, value);
    }
    return digits;
}

std::string FormatTimeLabel(int hour, int minute) {
    std::string text = "00:00";
    text[0] = static_cast<char>('0' + hour / 10);
    text[1] = static_cast<char>('0' + hour % 10);
    text[3] = static_cast<char>('0' + minute / 10);
    text[4] = static_cast<char>('0' + minute % 10);
    return text;
}

}  // namespace brivonce
