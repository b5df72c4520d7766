#pragma once

namespace brivonce {

// The post-its and the shopping list, as the memo window reaches them.
class NotesLink {
public:
    virtual ~NotesLink() = default;

    // A new post-it with the next number, shown.
    virtual void NewPostit() = 0;
    // Every post-it stored on disk, shown where it was left (once per run).
    // Raises Error.
    virtual void RecreatePostits() = 0;

    // The shopping list window, modally.
    virtual void ShowShoppingList() = 0;
    virtual bool ShoppingListVisible() const = 0;
    // SaveAll's step for the shopping list. Raises Error.
    virtual void SaveShoppingList() = 0;
};

}  // namespace brivonce
