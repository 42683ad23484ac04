#include "screens/start/frm_user.h"

#include "base/app_globals.h"
#include "base/messages.h"
#include "model/mod_matrix.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/shell/guarded_slot.h"
#include "screens/shell/twips.h"
#include "screens/shell/window_placement.h"
#include "screens/widgets/alt_keys.h"
#include "session/identification.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <initializer_list>

namespace korvel {

QString Design_Number_Range_Message() {
    return QStringLiteral("The design number must be a whole number from -32768 to 32767.");
}

namespace {
QLabel* Prompt(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* Field(const char* name, const QString& text, const QString& accessible,
                 QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessible);
    return box;
}
} // namespace

frm_User::frm_User() : Form(QStringLiteral("frm_User")) {
    Label1 = Prompt("Label1", QStringLiteral("Please enter your name and/or a project ID:"), this);
    txt_UserName = Field("txt_UserName", QString(), QStringLiteral("Name or project ID"), this);
    Label2 = Prompt("Label2", QStringLiteral("Please enter a design number:"), this);
    txt_DesignNo =
        Field("txt_DesignNo", QStringLiteral("1"), QStringLiteral("Design number"), this);
    Label3 = Prompt("Label3", QStringLiteral("Please enter a disk filename (< 9 chars)"), this);
    txt_Filename =
        Field("txt_Filename", QStringLiteral("Model1"), QStringLiteral("Model file name"), this);
    cmd_Done = new QPushButton(QStringLiteral("Next >"), this);
    cmd_Done->setObjectName(QStringLiteral("cmd_Done"));
    cmd_Done->setAccessibleName(QStringLiteral("Next, store the identification"));
    cmd_Done->setAutoDefault(true);

    Label1->setBuddy(txt_UserName);
    Label2->setBuddy(txt_DesignNo);
    Label3->setBuddy(txt_Filename);

    Place_Twips(Label1, 2400, 1500, 7000, 330);
    Place_Twips(txt_UserName, 2400, 1900, 7000, 360);
    Place_Twips(Label2, 2400, 2900, 7000, 330);
    Place_Twips(txt_DesignNo, 2400, 3300, 2000, 360);
    Place_Twips(Label3, 2400, 4300, 7000, 330);
    Place_Twips(txt_Filename, 2400, 4700, 3000, 360);
    Place_Twips(cmd_Done, 7900, 6200, 1500, 450);
    setTabOrder(txt_UserName, txt_DesignNo);
    setTabOrder(txt_DesignNo, txt_Filename);
    setTabOrder(txt_Filename, cmd_Done);

    for (QLineEdit* box : {txt_UserName, txt_DesignNo, txt_Filename})
        box->installEventFilter(this);
    connect(txt_UserName, &QLineEdit::returnPressed, cmd_Done, qOverload<>(&QWidget::setFocus));
    Connect_Guarded(txt_Filename, &QLineEdit::returnPressed, this,
                    &frm_User::txt_Filename_LostFocus);
    Connect_Guarded(cmd_Done, &QPushButton::clicked, this, &frm_User::cmd_Done_Click);

    designPoints_ = font().pointSizeF();
    setWindowTitle(Title_Caption);
    Set_Window_Twips(this, {0, 0, float(Design_Width), float(Design_Height)});
}

// The small-screen rule shrinks the layout (at 200 % on a 1024 × 768 display to about
// six tenths): the texts shrink with it, and a prompt or field still too low for its
// text grows downwards into the gap below it.
void frm_User::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    const double scale = std::min(1.0, width() * Twips_Per_Pixel(this) / Design_Width);
    QFont scaled = font();
    scaled.setPointSizeF(designPoints_ * scale);
    setFont(scaled);
    const std::initializer_list<QWidget*> controls{Label1, txt_UserName, Label2,  txt_DesignNo,
                                                   Label3, txt_Filename, cmd_Done};
    for (QWidget* control : controls) {
        const int needed = control->minimumSizeHint().height();
        if (control->height() < needed) control->resize(control->width(), needed);
    }
}

bool frm_User::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::KeyPress && Is_Alt_Typing(static_cast<QKeyEvent*>(event)))
        return true;
    if (box && event->type() == QEvent::FocusIn) {
        // Select after the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, box, [box] {
            if (box->isEnabled()) box->selectAll();
        });
    } else if (box == txt_Filename && event->type() == QEvent::FocusOut) {
        txt_Filename_LostFocus();
    }
    return Form::eventFilter(watched, event);
}

void frm_User::Form_Activate() {
    Apply_Small_Screen_Rule(this, /*allowMaximize=*/true);
    txt_UserName->setText(Default_ID);
    txt_UserName->setEnabled(true);
    txt_DesignNo->setText(QString::number(Design_No));
    txt_Filename->setText(File_Name);
}

void frm_User::txt_Filename_LostFocus() {
    File_Name = txt_Filename->text();
}

void frm_User::cmd_Done_Click() {
    if (txt_UserName->text().isEmpty()) {
        txt_UserName->setFocus();
        return;
    }
    // A design number the model cannot hold is refused; nothing is stored.
    const auto design = Design_Number_From_Text(txt_DesignNo->text());
    if (!design) {
        MsgBox(Design_Number_Range_Message(), MsgIcon::Exclamation);
        txt_DesignNo->setFocus();
        txt_DesignNo->selectAll();
        return;
    }
    Project_ID = txt_UserName->text();
    Design_No = *design;
    hide();
    Show_Home_Screen_Centred();
}

namespace {
QPointer<frm_User> g_user;
}

frm_User* User_Screen() {
    return Load_Form(g_user);
}

} // namespace korvel
