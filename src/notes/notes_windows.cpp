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

NotesWindows::~NotesWindows() {
    SavePostitsAtEnd();
}

// Hundreds of notes must be saved within the few seconds a session's end
// allows: only changed texts are written, and every section at once.
void NotesWindows::SavePostitsAtEnd() {
    NumberedPostitSettings sections;
    for (const auto& postit : m_postits) {
        if (postit->SavedAtEnd()) {
            Guarded(*m_context.messageBoxes, postit.get(), [&] { postit->SaveChangedText(); });
            sections.emplace_back(postit->Number(), postit->CurrentSettings());
        }
    }
    if (!sections.empty()) {
        Guarded(*m_context.messageBoxes, nullptr,
                [&] { SavePostitSettings(m_context.dataFolder, sections); });
    }
}

void NotesWindows::NewPostit() {
    Tpostit* postit = Open(m_counter.Next(m_context.dataFolder), SettingsFile());
    postit->show();
    postit->raise();
    postit->activateWindow();
}

void NotesWindows::RecreatePostits() {
    if (m_recreated) {
        return;
    }
    m_recreated = true;
    std::vector<int> numbers = StoredPostitNumbers(m_context.dataFolder);
    // Counted even when they cannot be read, so no new note takes their files.
    for (int number : numbers) {
        m_counter.Known(number);
    }
    const IniFile settingsFile = SettingsFile();
    std::optional<Error> firstFailure;
    for (int number : numbers) {
        try {
            // Activating each of hundreds of notes in turn would cost a pass
            // over every window per note, and leave only the last one active.
            Tpostit* postit = Open(number, settingsFile);
            postit->setAttribute(Qt::WA_ShowWithoutActivating);
            postit->show();
        } catch (const Error& error) {
            firstFailure = firstFailure.value_or(error);
        }
    }
    if (firstFailure) {
        throw *firstFailure;
    }
}

IniFile NotesWindows::SettingsFile() const {
    return IniFile(std::filesystem::path(m_context.dataFolder) / kSettingsFileName);
}

Tpostit* NotesWindows::Open(int number, const IniFile& settingsFile) {
    auto postit = std::make_unique<Tpostit>(m_context, number);
    postit->Load(settingsFile);
    return m_postits.emplace_back(std::move(postit)).get();
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
