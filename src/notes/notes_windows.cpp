#include "notes/notes_windows.h"

#include <optional>

#include "notes/postit_window.h"
#include "notes/shopping_list_dialog.h"
#include "text/error.h"
#include "ui/app_context.h"
#include "ui/guarded.h"

namespace brivonce {

// A file that cannot be read is reported now, as the program starts.
NotesWindows::NotesWindows(AppContext& context)
    : m_context(context),
      m_courses([this] { return std::make_unique<TCourses>(m_context, m_listAtStart); }) {
    Guarded(*context.messageBoxes, nullptr,
            [this] { m_listAtStart = LoadShoppingList(m_context.dataFolder); });
}

NotesWindows::~NotesWindows() = default;

void NotesWindows::NewPostit() {
    Open(m_counter.Next(m_context.dataFolder));
}

void NotesWindows::RecreatePostits() {
    if (m_recreated) {
        return;
    }
    m_recreated = true;
    std::optional<Error> firstFailure;
    for (int number : StoredPostitNumbers(m_context.dataFolder)) {
        // Counted even when it cannot be read, so no new note takes its files.
        m_counter.Known(number);
        try {
            Open(number);
        } catch (const Error& error) {
            firstFailure = firstFailure.value_or(error);
        }
    }
    if (firstFailure) {
        throw *firstFailure;
    }
}

void NotesWindows::Open(int number) {
    auto postit = std::make_unique<Tpostit>(m_context, number);
    postit->Load();
    postit->show();
    postit->raise();
    postit->activateWindow();
    m_postits.push_back(std::move(postit));
}

TCourses* NotesWindows::Courses() {
    return m_courses;
}

void NotesWindows::ShowShoppingList() {
    m_courses->exec();
}

bool NotesWindows::ShoppingListVisible() const {
    return m_courses.IsVisible();
}

void NotesWindows::SaveShoppingList() {
    if (TCourses* courses = m_courses.Built()) {
        courses->SaveShoppingList();
    } else if (m_listAtStart) {
        brivonce::SaveShoppingList(m_context.dataFolder, *m_listAtStart);
    }
}

}  // namespace brivonce
