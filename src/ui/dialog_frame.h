#pragma once

class QWidget;

namespace brivonce {

// A fixed-size dialog frame: a title and a close button, never a minimise or
// maximise button (a minimised modal window would leave the user stuck).
// `closeButton` false leaves the title alone. `width` × `height` is the client
// area. At every showing the frame is centred on the screen, once the window
// manager has told its size.
void MakeFixedDialog(QWidget* dialog, int width, int height, bool closeButton = true);

}  // namespace brivonce
