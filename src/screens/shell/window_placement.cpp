#include "screens/shell/window_placement.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "screens/shell/twips.h"

#include <QWidget>

namespace korvel {

namespace {
bool Is_Home_Screen(const QWidget* form) {
    return form->objectName() == QLatin1String("frm_HomeScreen");
}
} // namespace

void Maximize_Screen(QWidget* form, int32_t designHeight, int32_t designWidth) {
    With_Handler(QStringLiteral("Maximize_Screen"), [&] {
        const TwipsRect rect = Maximize_Placement(Screen_Twips(form), designHeight, designWidth,
                                                  Is_Home_Screen(form), First_Activate);
        Set_Window_Twips(form, rect);
    });
}

void Reset_Screen(QWidget* form, int32_t designHeight, int32_t designWidth) {
    With_Handler(QStringLiteral("Reset_Screen"), [&] {
        if (form->windowState() &
            (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
            return;
        const ResetResult result =
            Reset_Placement(Screen_Twips(form), designHeight, designWidth, Is_Home_Screen(form));
        if (result.outcome == ResetOutcome::UseMaximize) {
            Maximize_Screen(form, designHeight, designWidth);
            return;
        }
        Set_Window_Twips(form, result.rect);
    });
}

void Place_By_Screen_Size(QWidget* form, int32_t designHeight, int32_t designWidth) {
    if (Full_Screen)
        Maximize_Screen(form, designHeight, designWidth);
    else
        Reset_Screen(form, designHeight, designWidth);
}

void Centerform(QWidget* form) {
    With_Handler(QStringLiteral("Centerform"), [&] {
        TwipsRect rect = Window_Twips(form);
        rect.left = Center_Left(Screen_Twips(form), rect.width);
        rect.top = Center_Top();
        Set_Window_Twips(form, rect);
    });
}

void Apply_Small_Screen_Rule(QWidget* form, bool allowMaximize) {
    if (const auto small = Small_Screen_Placement(Screen_Twips(form))) {
        Set_Window_Twips(form, *small);
        return;
    }
    if (allowMaximize && Full_Screen)
        Maximize_Screen(form, Design_Height, Design_Width);
    else
        Reset_Screen(form, Design_Height, Design_Width);
}

void Place_Loaded_Home_Screen(QWidget* home) {
    Set_Window_Twips(home, Home_Load_Placement(Screen_Twips(home)));
}

} // namespace korvel
