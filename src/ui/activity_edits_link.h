#pragma once

#include <optional>

#include "ui/agenda_link.h"

namespace brivonce {

// Repetition, deletion and search over the week files, started from the agenda.
// The agenda ends any cell editing (keeping the text) before calling; nullopt
// means that no day grid has the focus.
class ActivityEditsLink {
public:
    virtual ~ActivityEditsLink() = default;

    // The right mouse button on a slot row.
    virtual void RepeatSlot(SlotRef slot) = 0;
    // "Répéter..." on the focused grid's current row.
    virtual void RepeatSelected(std::optional<SlotRef> focused) = 0;
    // "Supprimer..." and the Delete key on the focused grid's current row.
    virtual void DeleteSelected(std::optional<SlotRef> focused) = 0;
    // "Chercher..." (the agenda has saved its week).
    virtual void OpenSearch() = 0;
};

}  // namespace brivonce
