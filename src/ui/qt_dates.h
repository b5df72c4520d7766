#pragma once

#include <QDate>
#include <chrono>

namespace brivonce {

// Between the window layer's QDate and the core's dates.
inline std::chrono::year_month_day ToYmd(QDate date) {
    return std::chrono::year_month_day{std::chrono::year(date.year()),
                                       std::chrono::month(static_cast<unsigned>(date.month())),
                                       std::chrono::day(static_cast<unsigned>(date.day()))};
}

inline QDate ToQDate(std::chrono::year_month_day date) {
    return QDate(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                 static_cast<int>(unsigned(date.day())));
}

}  // namespace brivonce
