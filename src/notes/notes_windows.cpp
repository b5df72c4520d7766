#include "notes/notes_windows.h"

#include <optional>

#include "notes/postit_window.h"
#include "notes/shopping_list_dialog.h"
#include "text/error.h"
#include "ui/app_context.h"

namespace brivonce {

NotesWindows::NotesWindows(AppContext& context)
    : m_context(context), m_courses([&context] { return std::make_unique<TCourses>(context); }) {}

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

// A list never shown was never read: its file is left as it is.
void NotesWindows::SaveShoppingList() {
    if (TCourses* courses = m_courses.Built()) {
        courses->SaveShoppingList();
    }
}

}  // namespace brivonce
