#include "screens/help/frm_help.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "screens/help/help_address.h"
#include "screens/help/help_browser.h"
#include "screens/help/help_sizes.h"
#include "screens/shell/forms.h"
#include "screens/shell/guarded_slot.h"
#include "screens/shell/twips.h"
#include "screens/shell/window_placement.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace korvel {

namespace {
// The browser's place and size in the window as designed.
constexpr int Browser_Left = 60;
constexpr int Browser_Top = 60;
constexpr int Browser_Design_Width = 11805;
constexpr int Browser_Design_Height = 9105;

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}
} // namespace

QString Help_Caption() {
    return QStringLiteral("Help for ") + Title_Caption + QStringLiteral("Help Screen");
}

frm_Help::frm_Help() : Form(QStringLiteral("frm_Help")) {
    Set_Scale_To_Fit(false); // the browser follows the Enlarge and Shrink arithmetic instead
    // The browser keeps the size the Resize Form commands give it, not the window's.
    QWidget* content = Add_Menu_Bar(menu_Bar, QStringLiteral("pnl_Help"));

    mnu_Resize = menu_Bar->addMenu(QStringLiteral("Resize Form"));
    mnu_Resize->setObjectName(QStringLiteral("mnu_Resize"));
    mnu_Resize->menuAction()->setObjectName(QStringLiteral("mnu_Resize"));
    mnu_Full = Item(mnu_Resize, "mnu_Full", QStringLiteral("Enlarge"));
    mnu_Shrink = Item(mnu_Resize, "mnu_Shrink", QStringLiteral("Shrink"));
    mnu_Close = Item(mnu_Resize, "mnu_Close", QStringLiteral("Close Form"));
    Connect_Guarded(mnu_Full, &QAction::triggered, this, &frm_Help::mnu_Full_Click);
    Connect_Guarded(mnu_Shrink, &QAction::triggered, this, &frm_Help::mnu_Shrink_Click);
    Connect_Guarded(mnu_Close, &QAction::triggered, this, &frm_Help::mnu_Close_Click);

    WebBrowser1 = new HelpBrowser(content);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Help document"));
    Place_Twips(WebBrowser1, Browser_Left, Browser_Top, Browser_Design_Width,
                Browser_Design_Height);

    setWindowTitle(Help_Caption());
    const HelpSizes design = Shrink_Sizes();
    Set_Window_Twips(this, {0, 0, float(design.windowWidth), float(design.windowHeight)});
}

void frm_Help::Form_Activate() {
    setWindowTitle(Help_Caption());
}

bool frm_Help::Form_Query_Unload() {
    deleteLater();
    return true;
}

void frm_Help::Apply_Sizes(const HelpSizes& sizes) {
    TwipsRect window = Window_Twips(this);
    window.height = float(sizes.windowHeight);
    window.width = float(sizes.windowWidth);
    Set_Window_Twips(this, window);
    WebBrowser1->resize(Twips_To_Pixels(sizes.browserWidth, WebBrowser1),
                        Twips_To_Pixels(sizes.browserHeight, WebBrowser1));
    Centerform(this);
}

void frm_Help::mnu_Full_Click() {
    Apply_Sizes(Enlarge_Sizes(Screen_Twips(this)));
}

void frm_Help::mnu_Shrink_Click() {
    Apply_Sizes(Shrink_Sizes());
}

void frm_Help::mnu_Close_Click() {
    hide();
}

namespace {
QPointer<frm_Help> g_help;
}

frm_Help* Help_Screen() {
    return Load_Form(g_help);
}

void Show_Help_Document(const QString& path, const QString& label) {
    With_Handler(label, [&] {
        frm_Help* help = Help_Screen();
        help->hide();
        help->WebBrowser1->Navigate(Help_Address(path));
        Centerform(help);
        help->Show_Modeless();
    });
}

} // namespace korvel
