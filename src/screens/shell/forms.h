// The program's screens, each loaded (created hidden) the first time it is asked for and
// kept until Unload_All_Forms.
#pragma once

#include <QPointer>

namespace korvel {

class Form;

// Remembers a loaded screen so that Unload_All_Forms can delete it.
void Track_Form(Form* form);
// Deletes every loaded screen (at the end of the run, and between tests).
void Unload_All_Forms();

// Returns the screen, loading it on first use. Usage:
//   frm_Quit* Quit_Screen() { return Load_Form(g_quit); }
template <class F> F* Load_Form(QPointer<F>& slot) {
    if (!slot) {
        slot = new F;
        Track_Form(slot);
    }
    return slot;
}

} // namespace korvel
