#include "screens/help/help_sizes.h"

#include <cmath>

namespace korvel {

namespace {
constexpr double Window_Factor = 0.97;
constexpr double Browser_Factor = 0.873;

// Whole twips, halves to the even neighbour (the default rounding mode).
int32_t Whole_Twips(double twips) {
    return static_cast<int32_t>(std::nearbyint(twips));
}
} // namespace

HelpSizes Enlarge_Sizes(ScreenTwips screen) {
    const int32_t screenHeight = Whole_Twips(screen.height);
    const int32_t screenWidth = Whole_Twips(screen.width);
    const float aspect = float(screenWidth) / float(screenHeight);
    HelpSizes sizes{};
    sizes.windowHeight = Whole_Twips(screenHeight * Window_Factor * Window_Factor);
    sizes.windowWidth = Whole_Twips(screenWidth * Window_Factor);
    sizes.browserHeight = float(Browser_Factor * sizes.windowHeight * Window_Factor);
    sizes.browserWidth = float(Browser_Factor * sizes.windowWidth / aspect);
    return sizes;
}

HelpSizes Shrink_Sizes() {
    return {9900, 12015, 8030, 8335};
}

} // namespace korvel
