// Placing a top-level window by its whole area, the window manager's frame included.
#pragma once

#include "session/placement.h"

class QWidget;

namespace korvel {

// Gives the window the whole area `whole` (screen pixels). Before the window manager has
// framed it, the frame of the program's other windows is assumed; once its own frame is
// known and differs, the window is placed again so that the whole area stays as asked.
void Place_Whole_Window(QWidget* window, PixelRect whole);

// The window's whole area as placed, frame included.
PixelRect Whole_Window_Of(const QWidget* window);

} // namespace korvel
