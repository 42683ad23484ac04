// The results screen, driven through its real widgets: filling the table, refilling it,
// the identification header and the three buttons.
#include "base/app_globals.h"
#include "base/report_error.h"
#include "model/mod_matrix.h"
#include "screens/results/frm_printdata.h"
#include "screens/shell/forms.h"
#include "screens/shell/twips.h"
#include "session/placement.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace korvel;
using korvel::testing::ScriptedDialogs;
using korvel::testing::ScriptedMessages;

namespace {

QString Cell(int row, int col) {
    const QTableWidgetItem* item = PrintData_Screen()->grd_Data()->item(row, col);
    return item ? item->text() : QString();
}

QPushButton* Button(const char* name) {
    return PrintData_Screen()->findChild<QPushButton*>(QString::fromLatin1(name));
}

// A model of n unknowns named "x1".."xn" whose solution is 1, 2, ... n.
void Set_Counting_Model(int n, const QString& prefix = QStringLiteral("x")) {
    Num_Equations = int16_t(n);
    Last_Index = int16_t(n - 1);
    for (int i = 1; i <= n; ++i) {
        Var_Name[i] = prefix + QString::number(i);
        X_Vector[i] = i;
    }
}

int Loaded_Results_Screens() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<frm_PrintData*>(w)) ++count;
    return count;
}

QString Error_Text(int32_t number, const QString& label) {
    return Compose_Error_Report(number, Error_Description(number), label).text;
}

} // namespace

class PrintDataTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<ScriptedDialogs> dialogs;

  private slots:
    void init() {
        Initialize();
        Full_Screen = false;
        First_Activate = false;
        Home_Width = Design_Width;
        Home_Height = Design_Height;
        Home_Top = 0;
        File_Path.clear();
        Project_ID = QStringLiteral(" Acme Bridges");
        QLocale::setDefault(QLocale::c());
        messages = std::make_unique<ScriptedMessages>();
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        Unload_All_Forms();
        dialogs.reset();
        messages.reset();
        QLocale::setDefault(QLocale::c());
    }

    // --- The table -----------------------------------------------------------------

    void tableHoldsHeadingsAndOneRowPerUnknown_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("2 unknowns") << 2;
        QTest::newRow("3 unknowns") << 3;
        QTest::newRow("16 unknowns") << 16;
    }
    void tableHoldsHeadingsAndOneRowPerUnknown() {
        QFETCH(int, n);
        Set_Counting_Model(n);
        Multiprint();
        QTableWidget* grid = PrintData_Screen()->grd_Data();
        QVERIFY(PrintData_Screen()->isVisible());
        QCOMPARE(grid->columnCount(), 2);
        QCOMPARE(grid->rowCount(), n + 1);
        QCOMPARE(Cell(0, 0), QStringLiteral("Variable"));
        QCOMPARE(Cell(0, 1), QStringLiteral("Value"));
        for (int i = 1; i <= n; ++i) {
            QCOMPARE(Cell(i, 0), QStringLiteral("x") + QString::number(i));
            QCOMPARE(Cell(i, 1), QString::number(i));
        }
        QVERIFY(messages->shown.empty());
    }

    void smallerSetLeavesNoStaleRows() {
        Set_Counting_Model(16, QStringLiteral("old"));
        for (int i = 1; i <= 16; ++i)
            X_Vector[i] = 1000 + i;
        Multiprint();
        QCOMPARE(PrintData_Screen()->grd_Data()->rowCount(), 17);

        Set_Counting_Model(3, QStringLiteral("new"));
        Multiprint();
        QTableWidget* grid = PrintData_Screen()->grd_Data();
        QCOMPARE(grid->rowCount(), 4);
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < 2; ++c) {
                QVERIFY2(!Cell(r, c).startsWith(QLatin1String("old")), qPrintable(Cell(r, c)));
                QVERIFY2(!Cell(r, c).startsWith(QLatin1String("100")), qPrintable(Cell(r, c)));
            }
        QCOMPARE(Cell(3, 0), QStringLiteral("new3"));
        QCOMPARE(Cell(3, 1), QStringLiteral("3"));
        // Growing again shows the new rows, not what the larger set once left there.
        Set_Counting_Model(5, QStringLiteral("again"));
        Multiprint();
        QCOMPARE(grid->rowCount(), 6);
        QCOMPARE(Cell(5, 0), QStringLiteral("again5"));
        QCOMPARE(Cell(5, 1), QStringLiteral("5"));
    }

    void valuesAreRoundedToFourDecimals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("commaLocale");
        for (bool comma : {false, true}) {
            const char* tag = comma ? " (de)" : "";
            QTest::addRow("-1.23456%s", tag) << -1.23456 << "-1.2346" << comma;
            QTest::addRow("1.00004%s", tag) << 1.00004 << "1" << comma;
            QTest::addRow("2%s", tag) << 2.0 << "2" << comma;
            QTest::addRow("0.33333%s", tag) << 0.33333 << "0.3333" << comma;
            QTest::addRow("-0.5%s", tag) << -0.5 << "-0.5" << comma;
            QTest::addRow("0.00004 is zero%s", tag) << 0.00004 << "0" << comma;
            QTest::addRow("0.00006%s", tag) << 0.00006 << "0.0001" << comma;
            QTest::addRow("half rounds up%s", tag) << 2.00015 << "2.0002" << comma;
            QTest::addRow("negative half rounds up too%s", tag) << -2.00015 << "-2.0001" << comma;
            QTest::addRow("large%s", tag) << 123456.78 << "123456.78" << comma;
        }
    }
    void valuesAreRoundedToFourDecimals() {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QFETCH(bool, commaLocale);
        if (commaLocale) QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Set_Counting_Model(2);
        X_Vector[2] = value;
        Multiprint();
        QCOMPARE(Cell(2, 1), shown);
        QCOMPARE(Cell(1, 1), QStringLiteral("1"));
    }

    void valueThatCannotBeRoundedShowsEmpty() {
        Set_Counting_Model(3);
        X_Vector[2] = INFINITY;
        Multiprint();
        // FNRound reports its own failure; the table goes on with the next row.
        QCOMPARE(messages->Texts(), std::vector<QString>{Error_Text(Err::Overflow, "FNRound")});
        QCOMPARE(Cell(2, 0), QStringLiteral("x2"));
        QCOMPARE(Cell(2, 1), QString());
        QCOMPARE(Cell(3, 1), QStringLiteral("3"));
    }

    void rowBeyondSixteenIsReportedAndKeepsWhatWasWritten() {
        Set_Counting_Model(16);
        Num_Equations = 17;
        Last_Index = 16;
        Multiprint();
        QCOMPARE(messages->Texts(),
                 std::vector<QString>{Error_Text(Err::SubscriptOutOfRange, "Multiprint")});
        QVERIFY(PrintData_Screen()->isVisible());
        QCOMPARE(Cell(16, 0), QStringLiteral("x16"));
        QCOMPARE(Cell(16, 1), QStringLiteral("16"));
        QCOMPARE(Cell(17, 0), QString());
    }

    void columnsShareTheTableWidthAndEverythingFits() {
        Set_Counting_Model(16);
        for (int i = 1; i <= 16; ++i)
            X_Vector[i] = -12345.6789 + i;
        Multiprint();
        frm_PrintData* form = PrintData_Screen();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTableWidget* grid = form->grd_Data();
        // 3525 twips × 0.985 = 3472 usable, 1736 per column.
        QCOMPARE(grid->columnWidth(0), Twips_To_Pixels(1736, grid));
        QCOMPARE(grid->columnWidth(1), Twips_To_Pixels(1736, grid));
        // The headings and 16 results fit the table: nothing to scroll to.
        QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        const QFontMetrics metrics(grid->font());
        for (int r = 0; r <= 16; ++r)
            for (int c = 0; c < 2; ++c)
                QVERIFY2(metrics.horizontalAdvance(Cell(r, c)) < grid->columnWidth(c),
                         qPrintable(Cell(r, c)));
        if (qEnvironmentVariableIsSet("KORVEL_SHOT"))
            QVERIFY(form->grab().save(qEnvironmentVariable("KORVEL_SHOT")));
    }

    // A value too long for its column is drawn smaller, never cut or elided (the start of
    // -3.6E+15 reads as -3.6); every cell gives its full value as the tooltip.
    void longValuesShowWholeWithTheFullValueAsTooltip() {
        Set_Counting_Model(2);
        X_Vector[1] = -3602879701896397.0;
        X_Vector[2] = -1.2345678e-05; // shows as 0
        Multiprint();
        QTableWidget* grid = PrintData_Screen()->grd_Data();
        QCOMPARE(Cell(1, 1), QStringLiteral("-3.6028797018964E+15"));
        const QTableWidgetItem* item = grid->item(1, 1);
        QVERIFY(QFontMetricsF(item->font()).horizontalAdvance(item->text()) <
                grid->columnWidth(1) - 4);
        QCOMPARE(grid->item(2, 1)->toolTip(), QStringLiteral("-1.2345678e-05"));
    }

    void multiprintAgainRefillsTheSameScreen() {
        Set_Counting_Model(3);
        Multiprint();
        frm_PrintData* first = PrintData_Screen();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        X_Vector[1] = 7.25;
        Var_Name[1] = QStringLiteral("speed");
        Multiprint();
        QCOMPARE(PrintData_Screen(), first);
        QCOMPARE(Loaded_Results_Screens(), 1);
        QVERIFY(first->isVisible());
        QCOMPARE(Cell(1, 0), QStringLiteral("speed"));
        QCOMPARE(Cell(1, 1), QStringLiteral("7.25"));
    }

    void activationPlacesTheScreenAndEnablesTheButtons_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<int>("homeWidth");
        QTest::addColumn<int>("expectedWidthTwips");
        QTest::newRow("standard") << false << 13900 << 11850;
        QTest::newRow("maximised follows the home screen") << true << 13900 << 13900;
    }
    void activationPlacesTheScreenAndEnablesTheButtons() {
        QFETCH(bool, fullScreen);
        QFETCH(int, homeWidth);
        QFETCH(int, expectedWidthTwips);
        frm_PrintData* form = PrintData_Screen();
        QCOMPARE(form->width(), Twips_To_Pixels(11850, form)); // as loaded
        Button("cmd_Copy")->setEnabled(false);
        Button("cmd_PrintForm")->setEnabled(false);
        Full_Screen = fullScreen;
        Home_Width = homeWidth;
        Multiprint();
        QCOMPARE(form->width(), Twips_To_Pixels(expectedWidthTwips, form));
        QVERIFY(Button("cmd_Copy")->isEnabled());
        QVERIFY(Button("cmd_PrintForm")->isEnabled());
    }

    // --- The identification header ------------------------------------------------

    void headerShowsTheIdentificationOneItemPerLine_data() {
        QTest::addColumn<QString>("filePath");
        QTest::addColumn<QString>("expected");
        const QString common =
            QStringLiteral(" Acme Bridges\n Design No. 7\n03-14-2026\n at 16:05:09");
        QTest::newRow("no file path") << QString() << common;
        QTest::newRow("with file path")
            << QStringLiteral("/home/ann/span.kvl") << common + QStringLiteral("\n File: Span 2");
    }
    void headerShowsTheIdentificationOneItemPerLine() {
        QFETCH(QString, filePath);
        QFETCH(QString, expected);
        Design_No = 7;
        Model_Date = QStringLiteral("03-14-2026");
        Model_Time = QStringLiteral("16:05:09");
        File_Name = QStringLiteral("Span 2");
        File_Path = filePath;
        Multiprint();
        auto* header = PrintData_Screen()->findChild<QLabel*>(QStringLiteral("lbl_Header"));
        QVERIFY(header);
        QCOMPARE(header->text(), expected);
        // Every line is shown whole inside the panel.
        const QSize needed = header->fontMetrics()
                                 .boundingRect(header->contentsRect(), Qt::AlignCenter, expected)
                                 .size();
        QVERIFY(needed.height() <= header->contentsRect().height());
        QVERIFY(needed.width() <= header->contentsRect().width());
    }

    // A model name wider than the block wraps inside the name; the block grows downwards
    // when its lines need more than its design height. Nothing is drawn past its edges.
    void longNamesWrapInsideTheHeader() {
        File_Path = QStringLiteral("/home/ann/");
        Project_ID = QStringLiteral(" ACME bridge and tunnel project");
        File_Name = QStringLiteral("VeryLongName12") + QString(30, u'W');
        Multiprint();
        frm_PrintData* form = PrintData_Screen();
        auto* header = form->findChild<QLabel*>(QStringLiteral("lbl_Header"));
        QVERIFY(header->text().endsWith(File_Name));
        const QImage shot = header->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const QRect inside = header->contentsRect();
        QRect ink;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qGray(shot.pixel(x, y)) < 96)
                    ink |= QRect(int(x / ratio), int(y / ratio), 1, 1);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(inside.adjusted(1, 1, -1, -1).contains(ink),
                 qPrintable(QStringLiteral("text at %1,%2 %3x%4")
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())));
        QVERIFY(header->height() > Twips_To_Pixels(1395, header));
        QVERIFY(header->geometry().bottom() < form->height());
    }

    void titleboxWithoutHeaderIsReported() {
        QWidget bare;
        Titlebox(&bare);
        QCOMPARE(messages->shown.size(), size_t(1));
        QVERIFY(messages->shown[0].text.contains(QLatin1String("has occurred in Titlebox")));

        // A failure leaves the caption as it was.
        Multiprint();
        auto* header = PrintData_Screen()->findChild<QLabel*>(QStringLiteral("lbl_Header"));
        const QString before = header->text();
        Titlebox(nullptr);
        QCOMPARE(messages->shown.size(), size_t(2));
        QCOMPARE(header->text(), before);
    }

    // --- Clear_Grid -----------------------------------------------------------------

    void clearGridEmptiesTheGivenCorner_data() {
        QTest::addColumn<double>("rows");
        QTest::addColumn<double>("cols");
        QTest::addColumn<int>("clearedRows");
        QTest::addColumn<int>("clearedCols");
        QTest::newRow("two rows, both columns") << 2.0 << 2.0 << 2 << 2;
        QTest::newRow("all rows, first column") << 4.0 << 1.0 << 4 << 1;
        QTest::newRow("fraction counts up to below it") << 1.5 << 2.0 << 1 << 2;
        QTest::newRow("nothing") << 0.0 << 2.0 << 0 << 0;
    }
    void clearGridEmptiesTheGivenCorner() {
        QFETCH(double, rows);
        QFETCH(double, cols);
        QFETCH(int, clearedRows);
        QFETCH(int, clearedCols);
        Set_Counting_Model(3);
        Multiprint();
        Clear_Grid(rows, cols);
        QVERIFY(messages->shown.empty());
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 2; ++c) {
                const bool cleared = r < clearedRows && c < clearedCols;
                QCOMPARE(Cell(r, c).isEmpty(), cleared);
            }
        QCOMPARE(PrintData_Screen()->grd_Data()->rowCount(), 4);
    }

    void clearGridBeyondTheTableIsReported() {
        Set_Counting_Model(3);
        Multiprint();
        Clear_Grid(6, 2);
        QCOMPARE(messages->Texts(),
                 std::vector<QString>{Error_Text(Err::SubscriptOutOfRange, "Clear_Grid")});
        // The cells before the failing one were cleared.
        QCOMPARE(Cell(3, 1), QString());
        QCOMPARE(PrintData_Screen()->grd_Data()->rowCount(), 4);
    }

    // --- Buttons --------------------------------------------------------------------

    void controlsCarryTheirNamesAndCaptions() {
        frm_PrintData* form = PrintData_Screen();
        QCOMPARE(Button("cmd_Copy")->text(), QStringLiteral("&Copy"));
        QCOMPARE(Button("cmd_PrintForm")->text(), QStringLiteral("&Print Form"));
        QCOMPARE(Button("cmd_Done")->text(), QStringLiteral("&Next >"));
        auto* heading = form->findChild<QLabel*>(QStringLiteral("lbl_Header2"));
        QVERIFY(heading);
        QCOMPARE(heading->text(), QStringLiteral("Solution to the Set of Linear Equations"));
        QVERIFY(heading->fontMetrics().horizontalAdvance(heading->text()) <= heading->width());
        QWidget* panel = form->findChild<QWidget*>(QStringLiteral("SSPanel3"));
        QVERIFY(panel);
        QCOMPARE(form->grd_Data()->parentWidget(), panel);
        QCOMPARE(heading->parentWidget(), panel);
        for (QWidget* w :
             {static_cast<QWidget*>(form->grd_Data()), static_cast<QWidget*>(Button("cmd_Copy")),
              static_cast<QWidget*>(Button("cmd_PrintForm")),
              static_cast<QWidget*>(Button("cmd_Done"))})
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }

    void copyShowsTheKeyComboHint() {
        Set_Counting_Model(2);
        Multiprint();
        QVERIFY(QTest::qWaitForWindowExposed(PrintData_Screen()));
        QTest::mouseClick(Button("cmd_Copy"), Qt::LeftButton);
        QCOMPARE(messages->shown.size(), size_t(1));
        QCOMPARE(
            messages->shown[0].text,
            QStringLiteral("Use the Alt-PrintScrn key combo to copy the screen to the clipboard"));
        QCOMPARE(messages->shown[0].icon, MsgIcon::Information);
        QCOMPARE(messages->shown[0].buttons, MsgButtons::OK);
        QVERIFY(PrintData_Screen()->isVisible());
    }

    void printForm_data() {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<bool>("choosePrinter");
        QTest::addColumn<int>("printerDialogs");
        QTest::addColumn<bool>("printed");
        QTest::newRow("yes, printer chosen") << MsgAnswer::Yes << true << 1 << true;
        QTest::newRow("no") << MsgAnswer::No << true << 0 << false;
        QTest::newRow("yes, printer dialog cancelled") << MsgAnswer::Yes << false << 1 << false;
    }
    void printForm() {
        QFETCH(MsgAnswer, answer);
        QFETCH(bool, choosePrinter);
        QFETCH(int, printerDialogs);
        QFETCH(bool, printed);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("results.pdf"));
        messages->Answer(answer);
        dialogs->Answer_Printer_Pdf(choosePrinter ? pdf : QString());
        Set_Counting_Model(3);
        Multiprint();
        QVERIFY(QTest::qWaitForWindowExposed(PrintData_Screen()));

        QTest::mouseClick(Button("cmd_PrintForm"), Qt::LeftButton);

        // Only the direct-print question, whatever the outcome: a cancel is silent.
        QCOMPARE(messages->shown.size(), size_t(1));
        QCOMPARE(messages->shown[0].buttons, MsgButtons::YesNo);
        QVERIFY(messages->shown[0].text.startsWith(
            QLatin1String("You can print this form directly to a printer from here.")));
        QCOMPARE(dialogs->printerDialogs, printerDialogs);
        QFile file(pdf);
        QCOMPARE(file.exists(), printed);
        if (printed) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.size() > 1000);
            QVERIFY(file.read(5) == "%PDF-");
        }
    }

    void nextHidesAndKeepsTheContents() {
        Set_Counting_Model(4);
        X_Vector[4] = -0.125;
        Multiprint();
        frm_PrintData* form = PrintData_Screen();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::mouseClick(Button("cmd_Done"), Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(PrintData_Screen(), form);
        QCOMPARE(form->grd_Data()->rowCount(), 5);
        QCOMPARE(Cell(4, 1), QStringLiteral("-0.125"));
        QVERIFY(messages->shown.empty());
    }
};

QTEST_MAIN(PrintDataTest)
#include "frm_printdata_test.moc"
