#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

#include "notes/postit_store.h"
#include "notes/shopping_list.h"
#include "ui/notes_link.h"
#include "ui/on_first_use.h"

namespace brivonce {

struct AppContext;
class TCourses;
class Tpostit;

// The post-its and the shopping list, as the rest of the program reaches
// them. Owns every post-it of the run: destroying it saves every one not
// deleted, their sections in one write of brivonce.ini, and destroys them.
// The shopping list's file is read at start-up, its window built the first
// time it is shown.
class NotesWindows : public QObject, public NotesLink {
public:
    explicit NotesWindows(AppContext& context);
    ~NotesWindows() override;

    void NewPostit() override;
    // Every note on disk, each one that cannot be read left out (and its
    // files left alone); the first such failure is raised after the others
    // are shown.
    void RecreatePostits() override;
    void ShowShoppingList() override;
    bool ShoppingListVisible() const override;
    void SaveShoppingList() override;

    // Every post-it of the run, deleted ones (hidden) included.
    const std::vector<std::unique_ptr<Tpostit>>& Postits() const { return m_postits; }
    TCourses* Courses();

private:
    // Constructs and loads post-it `number`, for the caller to show. Raises
    // Error.
    Tpostit* Open(int number, const IniFile& settingsFile);
    // brivonce.ini as it is now. Raises Error.
    IniFile SettingsFile() const;
    void SavePostitsAtEnd();

    AppContext& m_context;
    std::optional<ShoppingList> m_listAtStart;  // nullopt: unreadable
    OnFirstUse<TCourses> m_courses;
    PostitCounter m_counter;
    bool m_recreated = false;
    std::vector<std::unique_ptr<Tpostit>> m_postits;
};

}  // namespace brivonce
