// How the model reaches the screens it paints and opens.
#pragma once

namespace korvel {

// The model paints the entry screen, loads the results screen with the model, and opens
// the entry screen (centred, modal) after a model file has been read.
void Connect_Screens_To_Model();

} // namespace korvel
