// The help viewer: one help document at a time in a browser control that can be enlarged to
// the display or shrunk back. Opened, not modally, from the home screen's Help menu.
#pragma once

#include "screens/shell/form.h"

class QAction;
class QMenu;
class QMenuBar;

namespace korvel {

class HelpBrowser;
struct HelpSizes;

class frm_Help : public Form {
    Q_OBJECT
  public:
    frm_Help();

    QMenuBar* menu_Bar;
    QMenu* mnu_Resize;
    QAction *mnu_Full, *mnu_Shrink, *mnu_Close;
    HelpBrowser* WebBrowser1;

    void mnu_Full_Click();
    void mnu_Shrink_Click();
    void mnu_Close_Click();

  protected:
    void Form_Activate() override;
    // The close box hides the viewer and unloads it; the next Help command loads it afresh.
    bool Form_Query_Unload() override;

  private:
    void Apply_Sizes(const HelpSizes& sizes);
};

// The viewer, loaded on first use (and again after its close box unloaded it).
frm_Help* Help_Screen();

// "Help for " + Title_Caption + "Help Screen"
QString Help_Caption();

// A Help menu command: hide the viewer, show the document at path on the help host, centre
// the viewer and show it, not modally. Errors are reported with label.
void Show_Help_Document(const QString& path, const QString& label);

} // namespace korvel
