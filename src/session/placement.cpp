#include "session/placement.h"

#include <algorithm>
#include <cmath>

namespace korvel {

int32_t Home_Width = Design_Width;
int32_t Home_Height = Home_Design_Height;
int32_t Home_Top = 0;

namespace {
// Whole twips, halves to the even neighbour.
int32_t Whole_Twips(float value) {
    return static_cast<int32_t>(std::nearbyint(value));
}
} // namespace

TwipsRect Home_Load_Placement(ScreenTwips screen) {
    Home_Height = Home_Design_Height;
    Home_Width = Design_Width;
    const float left = (screen.width - Home_Width) / 2.0f;
    const float top = (screen.height - Home_Height) / 2.0f;
    Home_Top = Whole_Twips(top);
    return {left, top, float(Home_Width), float(Home_Height)};
}

TwipsRect Maximize_Placement(ScreenTwips screen, int32_t designHeight, int32_t designWidth,
                             bool isHomeScreen, bool firstActivate) {
    const float aspect = float(designWidth) / float(designHeight);
    float w, h;
    if (isHomeScreen) {
        h = screen.height - Taskbar_Allowance;
        w = h * aspect;
        if (w > screen.width) {
            w = screen.width;
            h = w / aspect;
        }
        Home_Height = Whole_Twips(h);
        Home_Width = Whole_Twips(w);
    } else {
        w = float(Home_Width);
        h = w / aspect;
    }
    const float left = (screen.width - w) / 2.0f;
    const float top = firstActivate ? (screen.height - h) / 2.0f : 0.0f;
    return {left, top, w, h};
}

ResetResult Reset_Placement(ScreenTwips screen, int32_t designHeight, int32_t designWidth,
                            bool isHomeScreen) {
    const float aspect = float(designWidth) / float(designHeight);
    float w, h;
    if (isHomeScreen) {
        if (screen.height - Taskbar_Allowance < float(designHeight))
            return {ResetOutcome::UseMaximize, {}};
        w = float(designWidth);
        h = float(designHeight);
        Home_Height = designHeight;
        Home_Width = designWidth;
    } else if (designWidth > Home_Width) {
        w = float(Home_Width);
        h = w / aspect;
    } else {
        w = float(designWidth);
        h = float(designHeight);
    }
    return {ResetOutcome::Placed, {Center_Left(screen, w), Center_Top(), w, h}};
}

float Center_Left(ScreenTwips screen, float width) {
    return (screen.width - width) / 2.0f;
}

float Center_Top() {
    return Home_Top < 0 ? 0.0f : float(Home_Top);
}

std::optional<TwipsRect> Small_Screen_Placement(ScreenTwips screen) {
    if (screen.height - Taskbar_Allowance >= float(Design_Height)) return std::nullopt;
    const float h = screen.height - Taskbar_Allowance;
    const float w = h * (float(Design_Width) / float(Design_Height));
    return TwipsRect{(screen.width - w) / 2.0f, 0.0f, w, h};
}

PixelRect Inside_Of_Window(PixelRect whole, FrameMargins frame) {
    return {whole.left + frame.left, whole.top + frame.top,
            std::max(1, whole.width - frame.left - frame.right),
            std::max(1, whole.height - frame.top - frame.bottom)};
}

PixelRect Whole_Window(PixelRect inside, FrameMargins frame) {
    return {inside.left - frame.left, inside.top - frame.top,
            inside.width + frame.left + frame.right, inside.height + frame.top + frame.bottom};
}

} // namespace korvel
