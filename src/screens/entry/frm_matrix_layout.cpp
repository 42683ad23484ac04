// The entry screen's controls: names, captions, places in twips, tab order and the names
// a screen reader announces.
#include "screens/entry/frm_matrix.h"

#include "screens/entry/answer_status_label.h"
#include "screens/entry/matrix_box.h"
#include "screens/shell/twips.h"
#include "screens/widgets/cached_group_box.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace korvel {

namespace {

constexpr int Box_Width = 615;
constexpr int Box_Height = 315;
constexpr int Column_Pitch = 600; // neighbouring boxes share their border
constexpr int Row_Pitch = 360;
constexpr int First_Row_Top = 300; // inside a frame, below its caption
constexpr int Frame_Inset = 45;
constexpr int Frame_Top = 570; // inside the data panel, below the headings
constexpr int Frame_Height = 6225;

QString Indexed(const char* name, int index) {
    return QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(index);
}

MatrixBox* New_Box(QWidget* parent, const QString& name, int left, int top, int width) {
    auto* box = new MatrixBox(parent);
    box->setObjectName(name);
    Place_Twips(box, left, top, width, Box_Height);
    return box;
}

QGroupBox* New_Frame(QWidget* parent, const char* name, const QString& caption, int left,
                     int width) {
    auto* frame = new CachedGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    Place_Twips(frame, left, Frame_Top, width, Frame_Height);
    return frame;
}

QLabel* New_Sign(QWidget* parent, const char* name, const QString& sign, int left, int width) {
    auto* label = new QLabel(sign, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    label->setFont(bold);
    // Level with the first row of boxes.
    Place_Twips(label, left, Frame_Top + First_Row_Top, width, Box_Height);
    return label;
}

QFrame* New_Panel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    Place_Twips(panel, left, top, width, height);
    return panel;
}

QPushButton* New_Button(QWidget* parent, const char* name, const QString& caption,
                        const QString& role, int left, int width) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    QString spoken = caption;
    spoken.remove(QLatin1Char('&'));
    button->setAccessibleName(spoken.simplified());
    button->setAccessibleDescription(role);
    button->setAutoDefault(true); // Enter presses the button that has the focus
    Place_Twips(button, left, 255, width, 345);
    return button;
}

} // namespace

void frm_Matrix::Build_Controls() {
    // 8 points fits the 315-twip boxes with room for the frame.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    pnl_Equations = New_Panel(this, "pnl_Equations", 90, 165, 2025, 525);
    Label3 = new QLabel(QStringLiteral("No. of Equations"), pnl_Equations);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The caption takes what the panel can spare; the count needs no more than two digits.
    Place_Twips(Label3, 15, 105, 1425, Box_Height);
    txt_equations = New_Box(pnl_Equations, QStringLiteral("txt_equations"), 1455, 105, 510);
    txt_equations->setText(QStringLiteral("2"));
    txt_equations->setAccessibleName(QStringLiteral("Number of equations"));
    Label3->setBuddy(txt_equations);

    struct ButtonSpec {
        QPushButton** slot;
        const char* name;
        const char* caption;
        const char* role;
        int width;
    };
    const ButtonSpec buttons[] = {
        {&cmd_Solve, "cmd_Solve", "&Solve", "Solve the equations", 1035},
        {&cmd_Show, "cmd_Show", "S&how Matrix", "Show the equations again after a solve", 1125},
        {&cmd_Copy, "cmd_Copy", "C&opy", "How to copy the screen", 1035},
        {&cmd_Print, "cmd_Print", "&Print Form", "Print a picture of this screen", 1035},
        {&cmd_Zero_A, "cmd_Zero_A", "Zero  &A", "Clear the coefficients", 1035},
        {&cmd_Reset_Vars, "cmd_Reset_Vars", "Reset &B", "Default names for the unknowns", 1035},
        {&cmd_Zero_C, "cmd_Zero_C", "Zero  &C", "Clear the constants", 1035},
        {&cmd_Cancel, "cmd_Cancel", "&< Back", "Leave this screen", 1035},
        {&cmd_Done, "cmd_Done", "&Next >", "Leave this screen after a solve", 1035},
    };
    int left = 2205;
    for (const ButtonSpec& b : buttons) {
        *b.slot = New_Button(this, b.name, QString::fromUtf8(b.caption), QString::fromUtf8(b.role),
                             left, b.width);
        left += b.width + 15;
    }

    pnl_Matrix = New_Panel(this, "pnl_Matrix", 98, 960, 11655, 6960);
    constexpr int Grid_Left = 40, Names_Left = 9925, Constants_Left = 10645;
    SSFrame2 = New_Frame(pnl_Matrix, "SSFrame2", QStringLiteral("A-matrix"), Grid_Left, 9705);
    Label1 = New_Sign(pnl_Matrix, "Label1", QStringLiteral("x"), Grid_Left + 9705,
                      Names_Left - Grid_Left - 9705);
    SSFrame3 = New_Frame(pnl_Matrix, "SSFrame3", QStringLiteral("B"), Names_Left, 555);
    Label2 = New_Sign(pnl_Matrix, "Label2", QStringLiteral("="), Names_Left + 555,
                      Constants_Left - Names_Left - 555);
    SSFrame1 = New_Frame(pnl_Matrix, "SSFrame1", QStringLiteral("C-vect"), Constants_Left, 975);

    for (int r = 0; r < Size; ++r) {
        const int top = First_Row_Top + Row_Pitch * r;
        for (int c = 0; c < Size; ++c) {
            const int index = Size * r + c;
            txt_row1[index] = New_Box(SSFrame2, Indexed("txt_row1", index),
                                      Frame_Inset + Column_Pitch * c, top, Box_Width);
        }
        txt_Var[r] = New_Box(SSFrame3, Indexed("txt_Var", r), Frame_Inset, top, 465);
        txt_Var[r]->setAccessibleName(QStringLiteral("Name of unknown %1").arg(r + 1));
        txt_C[r] = New_Box(SSFrame1, Indexed("txt_C", r), Frame_Inset, top, 885);
        txt_C[r]->setAccessibleName(QStringLiteral("Constant of equation %1").arg(r + 1));

        lbl_Var2[r] = new QLabel(pnl_Matrix);
        lbl_Var2[r]->setObjectName(Indexed("lbl_Var2", r));
        lbl_Var2[r]->setAlignment(Qt::AlignCenter);
        Place_Twips(lbl_Var2[r], Grid_Left + Frame_Inset + Column_Pitch * r, 255, Box_Width,
                    Box_Height - 30);
    }
    // Under the equations, across the screen: room for three lines of the check's words.
    lbl_Status = new AnswerStatusLabel(this);
    lbl_Status->setObjectName(QStringLiteral("lbl_Status"));
    Place_Twips(lbl_Status, 98, 7950, 11655, 585);
    Set_Tab_Order();
}

void frm_Matrix::Set_Tab_Order() {
    QWidget* previous = txt_equations;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (MatrixBox* box : txt_row1)
        chain(box);
    for (MatrixBox* box : txt_C)
        chain(box);
    for (MatrixBox* box : txt_Var)
        chain(box);
    for (QPushButton* button : {cmd_Solve, cmd_Show, cmd_Done, cmd_Cancel, cmd_Copy, cmd_Print,
                                cmd_Zero_A, cmd_Reset_Vars, cmd_Zero_C})
        chain(button);
    chain(lbl_Status);
}

} // namespace korvel
