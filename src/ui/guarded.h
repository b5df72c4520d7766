#pragma once

#include <QWidget>
#include <exception>

#include "text/error.h"
#include "ui/message_boxes.h"

namespace brivonce {

// Runs an event handler. An Error ends it with the error box; so does any
// other exception, since one escaping an event handler would end the program
// and lose the user's unsaved edits.
template <typename Handler>
void Guarded(MessageBoxes& boxes, QWidget* parent, Handler&& handler) {
    try {
        handler();
    } catch (const Error& error) {
        boxes.ShowError(parent, error.what());
    } catch (const std::exception& error) {
        boxes.ShowError(parent, error.what());
    }
}

}  // namespace brivonce
