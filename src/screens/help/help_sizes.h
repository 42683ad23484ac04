// The help viewer's "Enlarge" and "Shrink" sizes, in twips, as plain functions of the
// display so that they are tested without a window.
#pragma once

#include "session/placement.h"

#include <cstdint>

namespace korvel {

struct HelpSizes {
    int32_t windowHeight;
    int32_t windowWidth;
    float browserHeight;
    float browserWidth;
};

// The window fills most of the display; the browser inside it keeps the display's
// proportions scaled by the viewer's fixed factors.
HelpSizes Enlarge_Sizes(ScreenTwips screen);

// The viewer's standard size, whatever the display.
HelpSizes Shrink_Sizes();

} // namespace korvel
