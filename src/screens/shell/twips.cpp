#include "screens/shell/twips.h"

#include "screens/shell/window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace korvel {

double Twips_Per_Pixel(const QScreen* screen) {
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

namespace {
const QScreen* Screen_Of(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}
} // namespace

double Twips_Per_Pixel(const QWidget* widget) {
    return Twips_Per_Pixel(Screen_Of(widget));
}

ScreenTwips Screen_Twips(const QWidget* widget) {
    const QScreen* screen = Screen_Of(widget);
    if (!screen) return {15360, 11520};
    const QRect area = screen->availableGeometry();
    const double tpp = Twips_Per_Pixel(screen);
    return {float(area.width() * tpp), float(area.height() * tpp)};
}

int Twips_To_Pixels(double twips, const QWidget* widget) {
    return int(std::lround(twips / Twips_Per_Pixel(widget)));
}

namespace {
constexpr const char* Design_Place = "korvel_design_twips";

void Place_Scaled(QWidget* child, const QRect& twips, double scale) {
    child->setGeometry(Twips_To_Pixels(twips.left() * scale, child),
                       Twips_To_Pixels(twips.top() * scale, child),
                       Twips_To_Pixels(twips.width() * scale, child),
                       Twips_To_Pixels(twips.height() * scale, child));
}
} // namespace

void Place_Twips(QWidget* child, int left, int top, int width, int height) {
    const QRect twips(left, top, width, height);
    child->setProperty(Design_Place, twips);
    Place_Scaled(child, twips, 1.0);
}

void Rescale_Twips_Children(QWidget* form, double scale) {
    for (QWidget* child : form->findChildren<QWidget*>()) {
        const QVariant twips = child->property(Design_Place);
        if (twips.isValid()) Place_Scaled(child, twips.toRect(), scale);
    }
}

void Set_Window_Twips(QWidget* form, const TwipsRect& rect) {
    const QScreen* screen = Screen_Of(form);
    const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
    Place_Whole_Window(form,
                       {origin.x() + Twips_To_Pixels(rect.left, form),
                        origin.y() + Twips_To_Pixels(rect.top, form),
                        Twips_To_Pixels(rect.width, form), Twips_To_Pixels(rect.height, form)});
}

TwipsRect Window_Twips(const QWidget* form) {
    const QScreen* screen = Screen_Of(form);
    const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
    const double tpp = Twips_Per_Pixel(form);
    const PixelRect whole = Whole_Window_Of(form);
    return {float((whole.left - origin.x()) * tpp), float((whole.top - origin.y()) * tpp),
            float(whole.width * tpp), float(whole.height * tpp)};
}

} // namespace korvel
