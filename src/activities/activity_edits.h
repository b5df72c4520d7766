#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "activities/find_dialog.h"
#include "activities/week_walk.h"
#include "ui/activity_edits_link.h"
#include "ui/on_first_use.h"

namespace brivonce {

struct AppContext;
class TFind;
class TPer;
class TRepet;
class TSuppr;
class TWait;

// Repetition, deletion and search as the agenda starts them: the checks and
// warnings, the save of the displayed week, the dialogs, and the walks over
// the week files with the progress dialog. Owns the five dialogs, each built
// the first time it is needed and kept for the whole run.
class ActivityEdits : public ActivityEditsLink, public FoundSlotDeletion {
public:
    explicit ActivityEdits(AppContext& context);
    ~ActivityEdits() override;
    ActivityEdits(const ActivityEdits&) = delete;
    ActivityEdits& operator=(const ActivityEdits&) = delete;

    void RepeatSlot(SlotRef slot) override;
    void RepeatSelected(std::optional<SlotRef> focused) override;
    void DeleteSelected(std::optional<SlotRef> focused) override;
    void OpenSearch() override;

    void DeleteSlot(SlotRef slot) override;
    std::optional<DatePeriod> AskPeriod(SlotRef slot) override;
    void DeleteOccurrences(SlotRef slot, std::optional<DatePeriod> period) override;

    // The progress dialog (built now if it was not yet).
    TWait* Wait();

private:
    AgendaLink& Agenda() const;
    std::chrono::year_month_day DateOf(SlotRef slot) const;
    void Warn(const char* text) const;
    // Runs `walk` under the progress dialog, then `redisplay`s the agenda,
    // also after an abort or an error.
    void RunWalk(const QString& title, std::size_t maximum,
                 const std::function<void(const WalkProgress&)>& walk,
                 const std::function<void()>& redisplay);

    AppContext& m_context;
    OnFirstUse<TWait> m_wait;
    OnFirstUse<TRepet> m_repet;
    OnFirstUse<TSuppr> m_suppr;
    OnFirstUse<TPer> m_per;
    OnFirstUse<TFind> m_find;
};

}  // namespace brivonce
