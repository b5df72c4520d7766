#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "activities/deletion.h"
#include "activities/search.h"
#include "ui/agenda_link.h"

class QLineEdit;
class QPushButton;

namespace brivonce {

struct AppContext;

// The deletions the search window starts on its last match.
class FoundSlotDeletion {
public:
    virtual ~FoundSlotDeletion() = default;
    // The slot alone, in the agenda's displayed week. Raises Error.
    virtual void DeleteSlot(SlotRef slot) = 0;
    // The period dialog, from the slot's date; nullopt when it is cancelled.
    virtual std::optional<DatePeriod> AskPeriod(SlotRef slot) = 0;
    // Every occurrence of the slot, within `period` when there is one, over
    // all the week files. Raises Error.
    virtual void DeleteOccurrences(SlotRef slot, std::optional<DatePeriod> period) = 0;
};

// The search window: finds a text in the activities of every week file, one
// match at a time, shows each in the agenda, and deletes from a match.
class TFind : public QDialog {
    Q_OBJECT
public:
    TFind(AppContext& context, FoundSlotDeletion& deletion, QWidget* parent = nullptr);

    // Shows the window modally with an empty text.
    void Open();

    QLineEdit* Edit;
    QPushButton* FindBtn;
    QPushButton* CancelBtn;
    QPushButton* OneDelBtn;
    QPushButton* ManyDelPerBtn;
    QPushButton* ManyDelBtn;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void FormClose();
    void EditChange(const QString& text);
    void FindBtnClick();
    void OneDelBtnClick();
    void ManyDelPerBtnClick();
    void ManyDelBtnClick();
    // An all-occurrence deletion starts: the next search begins afresh.
    void StartOver();
    void EnableDeletion(bool enabled);
    void Guarded(const std::function<void()>& handler);

    AppContext& m_context;
    FoundSlotDeletion& m_deletion;
    QString m_lastText;
    std::vector<std::string> m_weekFiles;
    SearchPosition m_next;
    SlotRef m_found;
};

}  // namespace brivonce
