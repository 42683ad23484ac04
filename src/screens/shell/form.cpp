#include "screens/shell/form.h"

#include "screens/shell/guarded_slot.h"
#include "screens/shell/twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QVBoxLayout>

#include <algorithm>

namespace korvel {

namespace {
QPointer<Form> g_active;
}

Form::Form(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::~Form() {
    if (loop_) loop_->quit();
}

QWidget* Form::Add_Menu_Bar(QMenuBar*& bar, const QString& contentName) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menu_Bar"));
    bar->setNativeMenuBar(false);
    layout->setMenuBar(bar);
    auto* content = new QWidget(this);
    content->setObjectName(contentName);
    layout->addWidget(content);
    return content;
}

void Form::Show_Modal() {
    QPointer<Form> previous = g_active;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    Activate();
    QEventLoop loop;
    loop_ = &loop;
    if (isVisible()) loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
    setWindowModality(Qt::NonModal);
    // Control returns to the screen that showed this one, which becomes active again.
    if (previous && previous != this && previous->isVisible()) previous->Activate();
}

void Form::Show_Modeless() {
    show();
    raise();
    Activate();
}

void Form::Activate() {
    if (!isVisible()) return;
    activateWindow();
    if (g_active == this) return;
    g_active = this;
    Form_Activate();
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (g_active == this) g_active = nullptr;
    if (loop_) loop_->quit();
}

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    Run_Guarded(this, [this] {
        if (Form_Query_Unload()) hide();
    });
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!scaleToFit_) return;
    const double scale = width() * Twips_Per_Pixel(this) / designWidth_;
    Rescale_Twips_Children(this, std::min(1.0, scale));
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible() && g_active != this) {
        g_active = this;
        Form_Activate();
    }
    return QWidget::event(event);
}

} // namespace korvel
