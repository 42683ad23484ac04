#include "screens/shell/window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QVariant>
#include <QWidget>

namespace korvel {

namespace {

constexpr const char* Wanted_Area = "korvel_whole_window";
constexpr const char* Frame_Used = "korvel_frame_used";

// The last frame a window manager gave any of our windows: the best guess for a window
// not yet framed. Stays all 0 without a window manager, so nothing moves there.
FrameMargins g_lastFrame;

FrameMargins Actual_Frame(const QWidget* window) {
    // The offscreen platform reports a made-up frame that no one draws: none counts there.
    static const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
    if (offscreen) return {};
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

bool Has_Frame(FrameMargins frame) {
    return !(frame == FrameMargins{});
}

FrameMargins Frame_Of(const QWidget* window) {
    const FrameMargins actual = Actual_Frame(window);
    if (Has_Frame(actual)) g_lastFrame = actual;
    return Has_Frame(actual) ? actual : g_lastFrame;
}

QMargins To_Margins(FrameMargins f) {
    return {f.left, f.top, f.right, f.bottom};
}

void Apply(QWidget* window, PixelRect whole, FrameMargins frame) {
    window->setProperty(Wanted_Area, QRect(whole.left, whole.top, whole.width, whole.height));
    window->setProperty(Frame_Used, QVariant::fromValue(To_Margins(frame)));
    if (!Has_Frame(frame)) {
        // No frame known: the size is the inside's and the place the window's own, as
        // without a window manager (the offscreen platform keeps its made-up frame outside).
        window->resize(whole.width, whole.height);
        window->move(whole.left, whole.top);
        return;
    }
    const PixelRect inside = Inside_Of_Window(whole, frame);
    window->setGeometry(inside.left, inside.top, inside.width, inside.height);
}

// Watches placed windows until the window manager has framed them, then places them
// again with their real frame.
class FrameWatcher : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Paint:
        case QEvent::WindowActivate:
            Recheck(static_cast<QWidget*>(watched));
            break;
        default:
            break;
        }
        return false;
    }

  private:
    static void Recheck(QWidget* window) {
        if (!window->isVisible() || window->isMaximized() || window->isFullScreen()) return;
        const QVariant wanted = window->property(Wanted_Area);
        if (!wanted.isValid()) return;
        const FrameMargins actual = Actual_Frame(window);
        if (!Has_Frame(actual)) return;
        g_lastFrame = actual;
        if (window->property(Frame_Used).value<QMargins>() == To_Margins(actual)) return;
        const QRect area = wanted.toRect();
        Apply(window, {area.x(), area.y(), area.width(), area.height()}, actual);
    }
};

void Watch(QWidget* window) {
    static FrameWatcher* watcher = new FrameWatcher;
    window->removeEventFilter(watcher);
    window->installEventFilter(watcher);
}

} // namespace

void Place_Whole_Window(QWidget* window, PixelRect whole) {
    Watch(window);
    Apply(window, whole, Frame_Of(window));
}

PixelRect Whole_Window_Of(const QWidget* window) {
    const FrameMargins frame = Frame_Of(window);
    if (!Has_Frame(frame)) return {window->x(), window->y(), window->width(), window->height()};
    const QRect inside = window->geometry();
    return Whole_Window({inside.x(), inside.y(), inside.width(), inside.height()}, frame);
}

} // namespace korvel
