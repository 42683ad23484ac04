// Undo and redo on the entry screen with the keys a user presses: Zero A, Zero C, Reset B
// and a count change after a solve taken back and done again, as many levels as needed,
// and a box's own typing undone before the screen's actions.
#include "model/mod_matrix.h"
#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/shell/model_screens.h"
#include "support/scripted_messages.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace korvel;
using korvel::testing::ScriptedMessages;

class EntryUndoTest : public QObject {
    Q_OBJECT

    QTemporaryDir store;
    frm_Matrix* form = nullptr;
    std::unique_ptr<QWidget> other; // the window that was active before the screen
    std::unique_ptr<ScriptedMessages> messages;

    MatrixBox* Grid(int r, int c) const { return form->txt_row1[16 * r + c]; }

    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void Key(QWidget* target, Qt::KeyboardModifiers modifiers, Qt::Key key = Qt::Key_Z) {
        QTest::keyClick(target, key, modifiers);
    }
    void Undo() { Key(QApplication::focusWidget(), Qt::ControlModifier); }

    QStringList Grid_Texts(int n) const {
        QStringList texts;
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                texts << Grid(r, c)->text();
        return texts;
    }

  private slots:
    void initTestCase() {
        qputenv("KORVEL_REGISTRY_DIR", QFile::encodeName(store.path()));
        QLocale::setDefault(QLocale::c());
        Connect_Screens_To_Model();
        other = std::make_unique<QWidget>();
        other->show();
    }
    void cleanupTestCase() { other.reset(); }

    void init() {
        Solved = false;
        messages = std::make_unique<ScriptedMessages>();
        Initialize();
        form = Matrix_Screen();
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other.get()));
        form->show();
        form->Activate();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup() {
        Unload_All_Forms();
        messages.reset();
    }

    void zeroAZeroCAndResetBComeBackAndGoAgain() {
        Type(Grid(0, 0), QStringLiteral("7.25")); // typed only: the model still holds -2
        Type(form->txt_C[1], QStringLiteral("42"));
        Type(form->txt_Var[2], QStringLiteral("force"));
        QTest::keyClick(form->txt_Var[2], Qt::Key_Return);
        const QStringList typed = Grid_Texts(3);
        const double a12 = A_Matrix[1][2];
        QVERIFY(a12 != 0);

        form->Remember_Before_Many_Changes(); // as a paste does: the same state, one level
        Click(form->cmd_Zero_A);
        QCOMPARE(Grid(0, 0)->text().trimmed(), QStringLiteral("0"));
        QCOMPARE(A_Matrix[1][2], 0.0);
        Click(form->cmd_Zero_C);
        Click(form->cmd_Reset_Vars);
        QCOMPARE(form->txt_Var[2]->text(), QStringLiteral("Y 3"));

        Key(form->cmd_Reset_Vars, Qt::ControlModifier); // Reset B taken back
        QCOMPARE(form->txt_Var[2]->text(), QStringLiteral("force"));
        QCOMPARE(form->lbl_Var2[2]->text(), QStringLiteral("force"));
        QCOMPARE(Var_Name[3], QStringLiteral("force"));
        QCOMPARE(form->txt_C[1]->text().trimmed(), QStringLiteral("0"));
        Undo(); // Zero C
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral("42"));
        Undo(); // Zero A: the typed boxes and the model as they were
        QCOMPARE(Grid_Texts(3), typed);
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("7.25"));
        QCOMPARE(A_Matrix[1][2], a12);
        QVERIFY(!form->Undo_Many_Changes());

        Key(form->cmd_Zero_A, Qt::ControlModifier | Qt::ShiftModifier); // redo Zero A
        QCOMPARE(Grid(0, 0)->text().trimmed(), QStringLiteral("0"));
        QCOMPARE(A_Matrix[1][2], 0.0);
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral("42"));
        Key(form->cmd_Zero_A, Qt::ControlModifier, Qt::Key_Y); // redo Zero C
        QCOMPARE(form->txt_C[1]->text().trimmed(), QStringLiteral("0"));
        // A new action forgets the redo of Reset B.
        Click(form->cmd_Zero_A);
        Key(form->cmd_Zero_A, Qt::ControlModifier, Qt::Key_Y);
        QCOMPARE(form->txt_Var[2]->text(), QStringLiteral("force"));
    }

    void tenAndMoreLevelsInTurn() {
        for (int k = 1; k <= 12; ++k) {
            Type(Grid(1, 1), QString::number(k));
            Click(form->cmd_Zero_A);
        }
        Grid(1, 1)->setFocus(Qt::TabFocusReason);
        for (int k = 12; k >= 1; --k) {
            Undo();
            QCOMPARE(Grid(1, 1)->text(), QString::number(k));
            QCOMPARE(QApplication::focusWidget(), Grid(1, 1)); // the focus stays put
        }
        for (int k = 1; k <= 12; ++k)
            Key(form->cmd_Zero_A, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Grid(1, 1)->text().trimmed(), QStringLiteral("0"));
        Undo();
        QCOMPARE(Grid(1, 1)->text(), QStringLiteral("12"));
    }

    void countChangeAfterASolveComesBackInTheDataView() {
        Click(form->cmd_Solve);
        QVERIFY(Solved);
        const double x2 = X_Vector[2], a11 = A_Matrix[1][1];
        QCOMPARE(Grid(0, 1)->text(), QStringLiteral("0")); // the identity
        Type(form->txt_equations, QStringLiteral("4"));    // clears the solved system
        QCOMPARE(A_Matrix[1][1], 0.0);
        QVERIFY(!Solved);

        Undo();
        QCOMPARE(Num_Equations, int16_t(3));
        QCOMPARE(form->txt_equations->text(), QStringLiteral(" 3"));
        QVERIFY(form->txt_C[2]->isVisible());
        QVERIFY(!form->txt_C[3]->isVisible());
        QCOMPARE(A_Matrix[1][1], a11);
        QCOMPARE(X_Vector[2], x2);
        // The system, not the identity, with Solve ready: the boxes may hold another system
        // than the remembered solution's, which waits for the next Solve.
        QVERIFY(!Solved);
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
        QVERIFY(form->cmd_Solve->isEnabled());
        QVERIFY(!form->cmd_Show->isEnabled());
        QVERIFY(!form->cmd_Done->isEnabled());
    }

    void typingInABoxIsUndoneBeforeTheScreensActions() {
        Type(Grid(0, 0), QStringLiteral("9"));
        Click(form->cmd_Zero_A);
        const QString zero = Grid(0, 0)->text();
        Type(Grid(2, 2), QStringLiteral("55"));
        QVERIFY(Grid(2, 2)->isUndoAvailable());
        for (int presses = 0; Grid(2, 2)->isUndoAvailable() && presses < 5; ++presses)
            Key(Grid(2, 2), Qt::ControlModifier);
        QCOMPARE(Grid(2, 2)->text(), zero); // the typing is gone, Zero A still stands
        QCOMPARE(Grid(0, 0)->text(), zero);
        Key(Grid(2, 2), Qt::ControlModifier); // now the screen's undo
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("9"));
    }

    void enteringAgainStartsAFreshHistory() {
        Type(Grid(0, 0), QStringLiteral("9"));
        Click(form->cmd_Zero_A);
        Click(form->cmd_Cancel);
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other.get()));
        form->show();
        form->Activate();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QVERIFY(!form->Undo_Many_Changes());
        QCOMPARE(Grid(0, 0)->text().trimmed(), QStringLiteral("0"));
    }
};

QTEST_MAIN(EntryUndoTest)
#include "entry_undo_test.moc"
