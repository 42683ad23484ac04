// What the core asks of the windowing side without knowing about widgets: the mouse
// pointer and bringing the home screen forward (after an out-of-memory report).
#pragma once

namespace korvel {

class ShellActions {
  public:
    virtual ~ShellActions() = default;
    // Brings the home screen forward as it is (after an out-of-memory report).
    virtual void Show_Home_Screen() = 0;
    // Centres the home screen and shows it (after a failed start).
    virtual void Centre_And_Show_Home_Screen() = 0;
    virtual void Set_Hourglass() = 0;
    virtual void Reset_Pointer() = 0;
};

// nullptr (the default, as in korvel-cli) makes every action do nothing.
void Set_Shell_Actions(ShellActions* actions);
ShellActions* Shell_Actions();

// Shows the hourglass for as long as the guard lives.
class HourglassGuard {
  public:
    HourglassGuard();
    ~HourglassGuard();
    HourglassGuard(const HourglassGuard&) = delete;
    HourglassGuard& operator=(const HourglassGuard&) = delete;
};

} // namespace korvel
