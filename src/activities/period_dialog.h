#pragma once

#include <chrono>
#include <optional>

#include "activities/date_range_dialog.h"

namespace brivonce {

// The period dialog: between which dates the occurrences of an activity are
// deleted.
class TPer : public DateRangeDialog {
    Q_OBJECT
public:
    explicit TPer(AppContext& context, QWidget* parent = nullptr);

    // Shows the dialog modally with both dates on `date`; the period chosen,
    // or nullopt when it is cancelled.
    std::optional<DatePeriod> AskPeriod(std::chrono::year_month_day date);
};

}  // namespace brivonce
