// Window placement arithmetic in twips (1440 per logical inch): every screen keeps its
// design proportions, is centred horizontally and lines up with the home screen's top.
// Plain functions of the screen size, the design size and the shared state, so they are
// tested without a display.
#pragma once

#include <cstdint>
#include <optional>

namespace korvel {

// Current size and load-time top of the home screen, in whole twips.
extern int32_t Home_Width;
extern int32_t Home_Height;
extern int32_t Home_Top;

constexpr int32_t Design_Width = 11850;
constexpr int32_t Design_Height = 8950;
constexpr int32_t Home_Design_Height = 9480;
constexpr float Taskbar_Allowance = 400; // twips left free below a full-height screen

struct ScreenTwips {
    float width;
    float height;
};

// A window's place and size in twips. Sizes stay single precision as computed.
struct TwipsRect {
    float left;
    float top;
    float width;
    float height;
};

// The window manager's frame around a window's inside, in pixels (all 0 without one).
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const FrameMargins&) const = default;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const PixelRect&) const = default;
};

// Screens are placed and sized as whole windows, title bar and borders included, so a
// screen at Top 0 shows its title bar. These convert between the whole window and the
// inside that the program draws; the inside is never smaller than one pixel.
PixelRect Inside_Of_Window(PixelRect whole, FrameMargins frame);
PixelRect Whole_Window(PixelRect inside, FrameMargins frame);

// Home screen just loaded: design size 9480 × 11850, centred both ways; sets the Home_
// globals and returns the place.
TwipsRect Home_Load_Placement(ScreenTwips screen);

// Maximised: the home screen as large as the display allows with its proportions kept
// (updating Home_Width and Home_Height), any other screen as wide as the home screen.
TwipsRect Maximize_Placement(ScreenTwips screen, int32_t designHeight, int32_t designWidth,
                             bool isHomeScreen, bool firstActivate);

enum class ResetOutcome { Placed, UseMaximize };

struct ResetResult {
    ResetOutcome outcome;
    TwipsRect rect; // when Placed
};

// Standard size: the design size, never wider than the home screen, centred. A home
// screen too tall for the display hands over to Maximize_Placement.
ResetResult Reset_Placement(ScreenTwips screen, int32_t designHeight, int32_t designWidth,
                            bool isHomeScreen);

// Left and top of a centred window of the given width.
float Center_Left(ScreenTwips screen, float width);
float Center_Top();

// Title, disclaimer and user screens on a display less than 8950 + 400 twips high.
std::optional<TwipsRect> Small_Screen_Placement(ScreenTwips screen);

} // namespace korvel
