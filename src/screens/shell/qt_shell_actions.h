// The mouse pointer and the home screen, for the core's error reporter and file commands.
#pragma once

#include "base/shell_actions.h"

namespace korvel {

class QtShellActions : public ShellActions {
  public:
    void Show_Home_Screen() override;
    void Centre_And_Show_Home_Screen() override;
    void Set_Hourglass() override;
    void Reset_Pointer() override;
};

} // namespace korvel
