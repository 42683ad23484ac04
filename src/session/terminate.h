// Ending the program: the only orderly way out of a run.
#pragma once

#include <functional>

namespace korvel {

// Records the normal exit and ends the program (every screen's event loop returns).
void Terminate();

// Ends the program without recording anything (a refused second copy). From here on
// nobody answers boxes: messages go to standard error.
void End_Program();

// True once the program has begun to end; start-up and main() stop there.
bool Program_Ending();

// What ending the program does: the program leaves its event loops (main() sets this);
// tests count the endings instead, so the test process lives on.
void Set_Program_Ender(std::function<void()> ender);

} // namespace korvel
