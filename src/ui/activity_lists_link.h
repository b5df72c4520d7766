#pragma once

#include "settings/font_record.h"

namespace brivonce {

enum class ActivityList { kPast, kAll };

// The lists of past and all activities and the week file clean-up, as the memo
// window and the agenda reach them.
class ActivityListsLink {
public:
    virtual ~ActivityListsLink() = default;

    struct Outcome {
        bool shown = false;        // the list had entries and the window was shown
        bool openedEntry = false;  // the user opened an entry in the agenda
    };
    // Builds the list from the week files as of now and, when it has entries,
    // shows the lists window modally. An empty list shows the caller's
    // information message unless `quietWhenEmpty`. Raises Error.
    virtual Outcome ShowList(ActivityList kind, bool quietWhenEmpty) = 0;
    virtual bool ListWindowVisible() const = 0;
    // The font of the lists, for SaveAll.
    virtual FontRecord ListFont() const = 0;

    // The clean-up window over the week files (the agenda has saved its week).
    // False when there was no week file to show (the message said so).
    // Raises Error.
    virtual bool OpenWeekCleanup() = 0;
};

}  // namespace brivonce
