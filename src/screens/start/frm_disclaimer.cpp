#include "screens/start/frm_disclaimer.h"

#include "base/app_globals.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/shell/guarded_slot.h"
#include "screens/shell/twips.h"
#include "screens/shell/window_placement.h"
#include "screens/start/disclaimer_texts.h"
#include "screens/widgets/click_command.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace korvel {

namespace {
QLabel* Paragraph(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QGroupBox* Frame(const char* name, const QString& title, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    QFont bold = frame->font();
    bold.setBold(true);
    frame->setFont(bold);
    return frame;
}
} // namespace

frm_Disclaimer::frm_Disclaimer() : Form(QStringLiteral("frm_Disclaimer")) {
    SSPanel1 = new QFrame(this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setFrameShape(QFrame::Panel);
    SSPanel1->setFrameShadow(QFrame::Raised);
    SSPanel1->setLineWidth(3);

    Label1[1] = Paragraph(QStringLiteral("Label1[1]"), SSPanel1);
    Label1[1]->setAlignment(Qt::AlignCenter);
    QFont heading = Label1[1]->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    heading.setBold(true);
    Label1[1]->setFont(heading);

    SSFrame3 = Frame("SSFrame3", QStringLiteral("Disclaimer"), SSPanel1);
    lbl_Disclaimer = Paragraph(QStringLiteral("lbl_Disclaimer"), SSFrame3);
    SSFrame4 = Frame("SSFrame4", QString(), SSPanel1);
    lbl_Notice = Paragraph(QStringLiteral("lbl_Notice"), SSFrame4);
    SSFrame2 = Frame("SSFrame2", QStringLiteral("Support"), SSPanel1);
    lbl_Support = Paragraph(QStringLiteral("lbl_Support"), SSFrame2);
    // The paragraphs read in plain type, not in the frames' bold captions.
    for (QLabel* paragraph : {lbl_Disclaimer, lbl_Notice, lbl_Support}) {
        QFont plain = paragraph->font();
        plain.setBold(false);
        paragraph->setFont(plain);
    }

    Label1[0] = Paragraph(QStringLiteral("Label1[0]"), SSPanel1);
    Label1[0]->setAlignment(Qt::AlignCenter);

    cmd_Done = new QPushButton(QStringLiteral("&Next >"), this);
    cmd_Done->setObjectName(QStringLiteral("cmd_Done"));
    cmd_Done->setAccessibleName(QStringLiteral("Next, close the disclaimer"));
    cmd_Done->setAutoDefault(true);
    Connect_Guarded(cmd_Done, &QPushButton::clicked, this, &frm_Disclaimer::cmd_Done_Click);

    const QList<QWidget*> controls = {cmd_Done,    SSPanel1, SSFrame3,   lbl_Disclaimer, SSFrame2,
                                      lbl_Support, SSFrame4, lbl_Notice, Label1[0],      Label1[1]};
    for (QWidget* control : controls) {
        control->setToolTip(QStringLiteral("Click here to close window"));
        designPointSizes_.emplace_back(control, control->font().pointSizeF());
    }
    // A click on the window or on any control but the button does what the button does.
    QList<QWidget*> clickable = controls;
    clickable.replace(0, this);
    Run_On_Click(this, clickable, [this] { cmd_Done_Click(); });

    Place_Twips(SSPanel1, 120, 120, 11610, 7560);
    Place_Twips(Label1[1], 240, 180, 11130, 600);
    Place_Twips(SSFrame3, 240, 900, 11130, 2160);
    Place_Twips(lbl_Disclaimer, 180, 330, 10770, 1710);
    Place_Twips(SSFrame4, 240, 3180, 11130, 1680);
    Place_Twips(lbl_Notice, 180, 180, 10770, 1380);
    Place_Twips(SSFrame2, 240, 4980, 11130, 1860);
    Place_Twips(lbl_Support, 180, 330, 10770, 1410);
    Place_Twips(Label1[0], 240, 6960, 11130, 480);
    Place_Twips(cmd_Done, 10080, 7860, 1650, 480);
    Set_Scale_To_Fit(false); // Lay_Out scales both ways, and the texts too

    setWindowTitle(Title_Caption);
    Set_Window_Twips(this, {0, 0, float(Design_Width), float(Design_Height)});
    Lay_Out();
}

// Everything keeps its proportions when the small-screen rule shrinks the screen, or
// when the window is maximized.
void frm_Disclaimer::Lay_Out() {
    const double scale = width() * Twips_Per_Pixel(this) / Design_Width;
    Rescale_Twips_Children(this, scale);
    // The texts shrink with the screen, so the paragraphs still fit their frames.
    for (const auto& [control, points] : designPointSizes_) {
        QFont font = control->font();
        font.setPointSizeF(points * std::min(1.0, scale));
        control->setFont(font);
    }
}

void frm_Disclaimer::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Lay_Out();
}

void frm_Disclaimer::Form_Activate() {
    Apply_Small_Screen_Rule(this, /*allowMaximize=*/true);
    const DisclaimerTexts texts = Disclaimer_Texts(Program_Name);
    lbl_Disclaimer->setText(texts.disclaimer);
    lbl_Notice->setText(texts.notice);
    lbl_Support->setText(texts.support);
    Label1[0]->setText(texts.contact);
    Label1[1]->setText(texts.description);
    cmd_Done->setFocus();
}

void frm_Disclaimer::cmd_Done_Click() {
    hide();
    // At start-up the disclaimer leads on to the home screen; from the menu it only closes.
    if (First_Activate) Show_Home_Screen_Centred();
}

namespace {
QPointer<frm_Disclaimer> g_disclaimer;
}

frm_Disclaimer* Disclaimer_Screen() {
    return Load_Form(g_disclaimer);
}

} // namespace korvel
