// The base of every screen: load once, activate each time it becomes the active screen,
// show modally (the call returns when the screen hides) or modelessly, hide rather than
// close.
#pragma once

#include <QWidget>

class QEventLoop;
class QMenuBar;

namespace korvel {

class Form : public QWidget {
    Q_OBJECT
  public:
    explicit Form(const QString& name, QWidget* parent = nullptr);
    ~Form() override;

    // Shows the screen and returns when it has been hidden again.
    void Show_Modal();
    void Show_Modeless();

    // Makes this the active screen, running Form_Activate if another screen was active.
    void Activate();

    // The width the screen's controls were laid out for, in twips. A window made narrower
    // (a small display) shrinks its controls in proportion; a wider one keeps them as laid
    // out. Screens that size their controls themselves switch this off.
    void Set_Design_Width(int twips) { designWidth_ = twips; }
    void Set_Scale_To_Fit(bool on) { scaleToFit_ = on; }

  protected:
    // A menu bar along the top and, below it, the panel that holds the screen's controls.
    QWidget* Add_Menu_Bar(QMenuBar*& bar, const QString& contentName);

    virtual void Form_Activate() {}
    // Closing the window by its close box: by default the screen is hidden.
    virtual bool Form_Query_Unload() { return true; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QEventLoop* loop_ = nullptr;
    int designWidth_ = 11850;
    bool scaleToFit_ = true;
};

} // namespace korvel
