#pragma once

#include "ui/activity_lists_link.h"
#include "ui/on_first_use.h"

namespace brivonce {

struct AppContext;
class TDelete;
class TPast;

// The lists window and the week file clean-up as the memo window and the
// agenda reach them, each built the first time it is shown.
class ActivityListWindows : public ActivityListsLink {
public:
    // Reads the lists' font from the settings, as the lists window would.
    explicit ActivityListWindows(AppContext& context);
    ~ActivityListWindows() override;

    Outcome ShowList(ActivityList kind, bool quietWhenEmpty) override;
    bool ListWindowVisible() const override;
    FontRecord ListFont() const override;
    bool OpenWeekCleanup() override;

    // The lists window (built now if it was not yet).
    TPast* Past();

private:
    bool FillList(ActivityList kind, bool hourglass);
    void Inform(const char* message);

    AppContext& m_context;
    FontRecord m_fontAtStart;
    OnFirstUse<TPast> m_past;
    OnFirstUse<TDelete> m_cleanup;
};

}  // namespace brivonce
