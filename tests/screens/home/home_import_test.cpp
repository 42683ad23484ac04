// File > Import... on the home screen: the unsaved-data question, the dialog, a system read
// into the model and shown on the entry screen, and a refused file that changes nothing.
#include "base/app_globals.h"
#include "model/entry_view.h"
#include "model/mod_matrix.h"
#include "model/solve_equations.h"
#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/shell/model_screens.h"
#include "session/show_results.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace korvel;
using korvel::testing::ScriptedDialogs;
using korvel::testing::ScriptedMessages;

class HomeImportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Write(const QString& name, const QByteArray& content) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write(content);
        return file.fileName();
    }

    // What the entry screen showed when it opened, read as it opens; then it is closed.
    QString shownCount, shownFirstBox, shownName;
    int entryShown = 0;
    void Watch_Entry_Screen() {
        QTimer::singleShot(0, this, [this] {
            QTRY_VERIFY(Matrix_Screen()->isVisible());
            ++entryShown;
            shownCount = Matrix_Screen()->txt_equations->text();
            shownFirstBox = Matrix_Screen()->txt_row1[0]->text();
            shownName = Matrix_Screen()->txt_Var[0]->text();
            Matrix_Screen()->hide();
        });
    }

  private slots:
    void init() {
        Set_Identity();
        First_Activate = false;
        Data_Saved = false;
        File_Path = dir.path() + QLatin1Char('/');
        Solved = false;
        Connect_Screens_To_Model();
        Set_Entry_Screen_Opener([] { Matrix_Screen()->Show_Modal(); });
        Initialize();
        Home_Screen();
        entryShown = 0;
    }
    void cleanup() {
        Unload_All_Forms();
        Set_Entry_Screen_Opener(nullptr);
    }

    void importAsksFirstThenOpensTheEntryScreenWithTheSystem() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        QVERIFY(Home_Screen()->mnu_Import->text() == QStringLiteral("&Import..."));
        Load_C_Work(Num_Equations);
        QVERIFY(Solve_Equations().status == SolveResult::Status::Solved);
        Solved = true;
        const QString refused = Write(QStringLiteral("frame.csv"),
                                      "# from a spreadsheet\r\nH,V,M,rhs\r\n4,1,0,1\r\n1,4,1,2\r\n"
                                      "0,1,4,3\r\n1,2,3,4\r\n");
        // Four rows of four numbers is no system: refused, with where and why.
        messages.Answer(MsgAnswer::No); // do not save first
        dialogs.Answer_File(refused);
        Home_Screen()->mnu_Import->trigger();
        QCOMPARE(messages.shown.size(), std::size_t(2));
        QVERIFY(messages.shown[0].text.startsWith(
            QStringLiteral("The current data has not been saved.")));
        QCOMPARE(messages.shown[1].text.section(QChar(13), 0, 0).trimmed(),
                 QStringLiteral("Error 13   (frame.csv: 4 rows of 4 cells, where a system of n "
                                "equations has n rows of n + 1 numbers)  has occurred in Import"));
        QCOMPARE(dialogs.lastTitle, QStringLiteral("Import a system"));
        QVERIFY(dialogs.lastFilter.startsWith(QStringLiteral("Systems (*.csv *.tsv *.txt)|")));
        QCOMPARE(entryShown, 0);
        QCOMPARE(Num_Equations, int16_t(3)); // the default system stays
        QCOMPARE(A_Matrix[1][1], -2.0);
        QCOMPARE(File_Name, QStringLiteral("Korvel 1"));

        const QString good = Write(QStringLiteral("frame.tsv"),
                                   "H\tV\tM\r\n4\t1\t0\t1\r\n1\t4\t1\t2\r\n0\t1\t4\t3\r\n");
        // Still solved and unsaved: asked again.
        messages.Answer(MsgAnswer::No);
        dialogs.Answer_File(good);
        Watch_Entry_Screen();
        Home_Screen()->mnu_Import->trigger();
        QCOMPARE(entryShown, 1);
        QCOMPARE(messages.shown.size(), std::size_t(3)); // the question only
        messages.shown.clear();
        QCOMPARE(shownCount, QStringLiteral(" 3"));
        QCOMPARE(shownFirstBox, QStringLiteral(" 4"));
        QCOMPARE(shownName, QStringLiteral("H"));
        QCOMPARE(A_Matrix[2][3], 1.0);
        QCOMPARE(C_Vector[3], 3.0);
        QCOMPARE(File_Name, QStringLiteral("frame"));
        QVERIFY(!Data_Saved);
        QVERIFY(Home_Screen()->mnu_New->isEnabled());

        // Cancel in the dialog changes nothing and says nothing.
        dialogs.Answer_File(QString());
        Home_Screen()->mnu_Import->trigger();
        QVERIFY(messages.shown.empty());
        QCOMPARE(A_Matrix[2][3], 1.0);
    }

    void aFileThatIsNotReadableIsReportedAndChangesNothing() {
        ScriptedMessages messages;
        Home_Screen()->Import_System_Path(dir.filePath(QStringLiteral("missing.csv")));
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("Error 53")));
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("frm_Homescreen.Import")));
        Home_Screen()->Import_System_Path(dir.path());
        QVERIFY(messages.shown[1].text.startsWith(QStringLiteral("Error 75")));
        QCOMPARE(entryShown, 0);
        QCOMPARE(A_Matrix[1][1], -2.0);
    }
};

QTEST_MAIN(HomeImportTest)
#include "home_import_test.moc"
