// Blocks through the clipboard on the entry screen (paste into the grid, the constants and
// the names; copy of the system and of the solution) and Ctrl+C on the results screen.
#include "model/mod_matrix.h"
#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "screens/entry/matrix_clipboard.h"
#include "screens/home/frm_homescreen.h"
#include "screens/results/frm_printdata.h"
#include "screens/shell/forms.h"
#include "screens/shell/model_screens.h"
#include "support/scripted_messages.h"
#include "text/shortest_text.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

constexpr int N = 16;

// A system whose solution is known without solving it: x(j) = (j - 8) / 2, coefficients
// in quarters with a dominant diagonal, so every constant is exact in binary.
double Coefficient(int i, int j) {
    return i == j ? 40 + i : ((i * 7 + j * 3) % 19 - 9) / 4.0;
}
double Unknown(int j) {
    return (j - 8) / 2.0;
}
double Constant(int i) {
    double sum = 0;
    for (int j = 1; j <= N; ++j)
        sum += Coefficient(i, j) * Unknown(j);
    return sum;
}

// The system as a spreadsheet copies it (trailing tabs, CR LF), or with decimal commas
// and semicolons as one set up for a comma-decimal language does.
QString System_Block(bool decimalCommas) {
    QString text;
    for (int i = 1; i <= N; ++i) {
        QStringList cells;
        for (int j = 1; j <= N + 1; ++j) {
            QString cell = Shortest_Text(j <= N ? Coefficient(i, j) : Constant(i));
            if (decimalCommas) cell.replace(u'.', u',');
            cells << cell;
        }
        text += decimalCommas ? cells.join(u';') + u'\n'
                              : cells.join(u'\t') + QStringLiteral("\t\t\r\n");
    }
    return text;
}

} // namespace

class MatrixClipboardTest : public QObject {
    Q_OBJECT

    frm_Matrix* form = nullptr;
    std::unique_ptr<ScriptedMessages> messages;

    MatrixBox* Grid(int r, int c) const { return form->txt_row1[16 * r + c]; }
    static QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

    void Paste_Into(QLineEdit* box, const QString& text) {
        Clipboard()->setText(text);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    void Set_Count(int n) {
        form->txt_equations->setText(QString::number(n));
        QCOMPARE(Num_Equations, n);
    }

  private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        Connect_Screens_To_Model();
    }
    void init() {
        Solved = false;
        messages = std::make_unique<ScriptedMessages>();
        Initialize();
        form = Matrix_Screen();
        form->show();
        form->Activate();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup() {
        Unload_All_Forms();
        messages.reset();
    }

    void aWholeSystemPastedIntoTheFirstBoxSetsTheCountAndSolves_data() {
        QTest::addColumn<bool>("decimalCommas");
        QTest::newRow("spreadsheet TSV") << false;
        QTest::newRow("semicolons and decimal commas") << true;
    }
    void aWholeSystemPastedIntoTheFirstBoxSetsTheCountAndSolves() {
        QFETCH(bool, decimalCommas);
        Paste_Into(Grid(0, 0), System_Block(decimalCommas));
        QCOMPARE(Num_Equations, N);
        QVERIFY(Grid(15, 15)->isVisible());
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("41"));
        QCOMPARE(Grid(0, 1)->text(), Shortest_Text(Coefficient(1, 2)));
        QCOMPARE(form->txt_C[15]->text(), Shortest_Text(Constant(16)));
        // Pasted boxes are typed data: no model colour until the next painting.
        QCOMPARE(Grid(3, 4)->Text_Colour(), Grid(3, 4)->palette().color(QPalette::Text));
        QVERIFY(Grid(3, 4)->Text_Colour() != QColor(0x808080));
        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        QVERIFY2(Solved, messages->shown.empty() ? "" : qPrintable(messages->shown[0].text));
        for (int j = 1; j <= N; ++j)
            QVERIFY2(std::abs(X_Vector[j] - Unknown(j)) < 1e-12,
                     qPrintable(QStringLiteral("x%1 = %2").arg(j).arg(X_Vector[j], 0, 'g', 17)));
        QCOMPARE(A_Matrix[16][16], 56.0);
    }

    // A pasted block is one step back with Ctrl+Z: the count and every box as before.
    void aPastedSystemIsUndoneAsOneStep() {
        const QString first = Grid(0, 0)->text(), constant = form->txt_C[2]->text();
        const int count = Num_Equations;
        Paste_Into(Grid(0, 0), System_Block(false));
        QCOMPARE(Num_Equations, N);
        QTest::keyClick(Grid(0, 0), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Num_Equations, count);
        QCOMPARE(Grid(0, 0)->text(), first);
        QCOMPARE(form->txt_C[2]->text(), constant);
        QVERIFY(!Grid(15, 15)->isVisible());
    }

    void blocksFillRightAndDownAndContinueIntoTheConstants() {
        Set_Count(3);
        const QString before = Grid(2, 2)->text();
        // Two columns of room right of column 1, and one more cell: the constants.
        Paste_Into(Grid(0, 1), QStringLiteral("5 6 7\n8 9 10\n"));
        QCOMPARE(Grid(0, 1)->text(), QStringLiteral("5"));
        QCOMPARE(Grid(0, 2)->text(), QStringLiteral("6"));
        QCOMPARE(form->txt_C[0]->text(), QStringLiteral("7"));
        QCOMPARE(Grid(1, 2)->text(), QStringLiteral("9"));
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral("10"));
        QCOMPARE(Grid(2, 2)->text(), before); // below the block

        // A block wider by more than one column stops at the grid; rows past the count
        // and the hidden boxes are not written.
        const QString c0 = form->txt_C[0]->text();
        const QString hidden = Grid(3, 0)->text();
        Paste_Into(Grid(1, 0), QStringLiteral("1,2,3,4,5\n6,7,8,9,10\n11,12,13,14,15\n"));
        QCOMPARE(Grid(1, 2)->text(), QStringLiteral("3"));
        QCOMPARE(Grid(2, 0)->text(), QStringLiteral("6"));
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral("10")); // unchanged from before
        QCOMPARE(form->txt_C[0]->text(), c0);
        QCOMPARE(Grid(3, 0)->text(), hidden);
        QCOMPARE(Num_Equations, 3); // only the first box takes a count from a block

        // The constants take one cell per row; a single cell pastes as text does.
        const QString hiddenC = form->txt_C[3]->text();
        Paste_Into(form->txt_C[1], QStringLiteral("-1\t99\n-2\n-3\n-4\n"));
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral("-1"));
        QCOMPARE(form->txt_C[2]->text(), QStringLiteral("-2"));
        QCOMPARE(form->txt_C[3]->text(), hiddenC); // hidden, untouched
        Paste_Into(Grid(0, 0), QStringLiteral("-2.5e1\n"));
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2.5e1"));
        QCOMPARE(Grid(0, 1)->text(), QStringLiteral("5"));
    }

    // Pasted blocks read as imported files do; a number they leave open pastes nothing.
    void blocksOfOtherLocalesPasteAsTheyImport_data() {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QString>("first"); // the first box after; empty: nothing pasted
        QTest::newRow("U+2212 minus signs")
            << QStringLiteral("\u22121.25\t2\t3\n4\t5\t6\n") << QStringLiteral("-1.25");
        QTest::newRow("grouping left open") << QStringLiteral("1.500;2;3\n4;5;6\n") << QString();
    }
    void blocksOfOtherLocalesPasteAsTheyImport() {
        QFETCH(QString, block);
        QFETCH(QString, first);
        const QString before = Grid(0, 0)->text();
        Paste_Into(Grid(0, 0), block);
        QCOMPARE(Grid(0, 0)->text(), first.isEmpty() ? before : first);
        QCOMPARE(messages->shown.size(), std::size_t(first.isEmpty()));
        if (first.isEmpty())
            QVERIFY(messages->shown[0].text.contains(
                QStringLiteral("Line 1, cell 1 of the block: \"1.500\" may be 1.5 or 1500")));
    }

    void namesPastedDownTheColumnGoIntoTheModel() {
        Set_Count(3);
        Paste_Into(form->txt_Var[0], QStringLiteral("Fx\tFy\tM\tignored\n"));
        QCOMPARE(Var_Name[1], QStringLiteral("Fx"));
        QCOMPARE(Var_Name[3], QStringLiteral("M"));
        QCOMPARE(Var_Name[4], QStringLiteral("Y 4"));
        QCOMPARE(form->lbl_Var2[1]->text(), QStringLiteral("Fy"));
        Paste_Into(form->txt_Var[1], QStringLiteral("\"a, b\"\nc\n"));
        QCOMPARE(Var_Name[2], QStringLiteral("a, b"));
        QCOMPARE(form->txt_Var[2]->text(), QStringLiteral("c"));
    }

    void aPasteIntoTheSolvedViewEndsItAsTypingDoes() {
        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        QVERIFY(Solved);
        QVERIFY(form->cmd_Done->isEnabled());
        Paste_Into(Grid(0, 0), QStringLiteral("1 2\n3 4\n"));
        QVERIFY(!Solved);
        QVERIFY(!form->cmd_Done->isEnabled());
        QVERIFY(!form->cmd_Show->isEnabled());
        int calls = 0;
        form->clipboard->Set_Before_Many_Changes([&] { ++calls; });
        Paste_Into(Grid(0, 0), QStringLiteral("1 2\n3 4\n"));
        Paste_Into(Grid(0, 0), QStringLiteral("7")); // one box: no undo step
        QCOMPARE(calls, 1);
    }

    void copyGivesTheSystemOrTheSolutionAsTabSeparatedText() {
        Set_Count(2);
        Grid(0, 0)->setText(QStringLiteral("0.1"));
        Grid(0, 1)->setText(QStringLiteral("2.5e1 kg"));
        Grid(1, 0)->setText(QStringLiteral("abc"));
        Grid(1, 1)->setText(QStringLiteral("-1"));
        form->txt_C[0]->setText(QStringLiteral("1"));
        form->txt_C[1]->setText(QStringLiteral("3"));
        form->cmd_Solve->setFocus();
        QTest::keyClick(form->cmd_Solve, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard()->text(), QStringLiteral("0.1\t25\t1\n0\t-1\t3\n"));
        // The text a spreadsheet gets pastes back to the same boxes.
        Paste_Into(Grid(0, 0), Clipboard()->text());
        QCOMPARE(Grid(0, 1)->text(), QStringLiteral("25"));

        // Ctrl+C in a box with selected text copies the selection.
        Grid(1, 1)->setFocus();
        Grid(1, 1)->selectAll();
        QTest::keyClick(Grid(1, 1), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard()->text(), QStringLiteral("-1"));

        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        QVERIFY(Solved);
        Grid(0, 0)->setFocus();
        Grid(0, 0)->deselect();
        QTest::keyClick(Grid(0, 0), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard()->text(), QStringLiteral("Y 1\t") + Shortest_Text(X_Vector[1]) +
                                          QStringLiteral("\nY 2\t") + Shortest_Text(X_Vector[2]) +
                                          u'\n');
        // The Copy button keeps its hint.
        QTest::mouseClick(form->cmd_Copy, Qt::LeftButton);
        QCOMPARE(messages->shown.size(), std::size_t(1));
        QVERIFY(messages->shown[0].text.contains(QStringLiteral("Alt-PrintScrn")));
    }

    void theResultsTableCopiesWholeWithItsHeader() {
        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        QVERIFY(Solved);
        Multiprint();
        frm_PrintData* results = PrintData_Screen();
        results->grd_Data()->setFocus();
        QTest::keyClick(results->grd_Data(), Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = Clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.contains(QStringLiteral("Solution to the Set of Linear Equations")));
        const QTableWidget* grid = results->grd_Data();
        const QString first = grid->item(1, 0)->text() + u'\t' + grid->item(1, 1)->text();
        const QString last =
            grid->item(Num_Equations, 0)->text() + u'\t' + grid->item(Num_Equations, 1)->text();
        QVERIFY2(lines.contains(first), qPrintable(Clipboard()->text()));
        QCOMPARE(lines.last(), last);
        QVERIFY(lines.indexOf(first) >
                lines.indexOf(QStringLiteral("Solution to the Set of Linear Equations")));
    }
};

QTEST_MAIN(MatrixClipboardTest)
#include "matrix_clipboard_test.moc"
