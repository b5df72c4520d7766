#pragma once

#include <QObject>

#include "ui/activity_lists_link.h"

namespace brivonce {

struct AppContext;
class TDelete;
class TPast;

// The lists window and the week file clean-up as the memo window and the
// agenda reach them. Owned by the lists window.
class ActivityListWindows : public QObject, public ActivityListsLink {
public:
    ActivityListWindows(AppContext& context, TPast* past, TDelete* cleanup);

    Outcome ShowList(ActivityList kind, bool quietWhenEmpty) override;
    bool ListWindowVisible() const override;
    FontRecord ListFont() const override;
    bool OpenWeekCleanup() override;

private:
    bool FillList(ActivityList kind);
    void Inform(const char* message);

    AppContext& m_context;
    TPast* m_past;
    TDelete* m_cleanup;
};

}  // namespace brivonce
