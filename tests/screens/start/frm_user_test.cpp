// The identification screen through its real widgets.
#include "base/app_globals.h"
#include "model/mod_matrix.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/start/frm_user.h"
#include "session/identification.h"
#include "support/scripted_messages.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace korvel;
using korvel::testing::ScriptedMessages;

class UserScreenTest : public QObject {
    Q_OBJECT

    frm_User* Open() {
        frm_User* user = User_Screen();
        user->show();
        user->Activate();
        return user;
    }
    static void Type(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

  private slots:
    void init() {
        Set_Identity();
        Default_ID = QStringLiteral(" ACME");
        Project_ID = Default_ID;
        Design_No = 1;
        File_Name = QStringLiteral("Korvel 1");
        First_Activate = false;
        Home_Screen();
    }
    void cleanup() { Unload_All_Forms(); }

    void showsTheDefaultsAndStoresWhatIsTyped() {
        ScriptedMessages messages;
        frm_User* user = Open();
        QCOMPARE(user->Label1->text(),
                 QStringLiteral("Please enter your name and/or a project ID:"));
        QCOMPARE(user->Label3->text(), QStringLiteral("Please enter a disk filename (< 9 chars)"));
        QCOMPARE(user->txt_UserName->text(), QStringLiteral(" ACME"));
        QCOMPARE(user->txt_DesignNo->text(), QStringLiteral("1"));
        QCOMPARE(user->txt_Filename->text(), QStringLiteral("Korvel 1"));

        Type(user->txt_UserName, QStringLiteral("Ann, bridge project"));
        Type(user->txt_DesignNo, QStringLiteral("12abc"));
        Type(user->txt_Filename, QStringLiteral("a_long_model_name"));
        QTest::keyClick(user->txt_Filename, Qt::Key_Return);
        QCOMPARE(File_Name, QStringLiteral("a_long_model_name")); // longer than eight: kept
        QTest::mouseClick(user->cmd_Done, Qt::LeftButton);
        QCOMPARE(Project_ID, QStringLiteral("Ann, bridge project"));
        QCOMPARE(Design_No, int16_t(12));
        QVERIFY(!user->isVisible());
        QVERIFY(Home_Screen()->isVisible());
        QVERIFY(messages.shown.empty());

        // Reopening refills the name with the default, not the last one entered.
        Open();
        QCOMPARE(user->txt_UserName->text(), QStringLiteral(" ACME"));
        QCOMPARE(user->txt_DesignNo->text(), QStringLiteral("12"));
    }

    void halvesRoundToEvenAndEmptyIsZero() {
        const struct {
            const char* typed;
            int16_t stored;
        } cases[] = {{"2.5", 2}, {"3.5", 4}, {"", 0}, {"-32768", -32768}};
        for (const auto& c : cases) {
            frm_User* user = Open();
            Type(user->txt_DesignNo, QString::fromLatin1(c.typed));
            QTest::mouseClick(user->cmd_Done, Qt::LeftButton);
            QCOMPARE(Design_No, c.stored);
        }
    }

    void emptyNameStoresNothing() {
        frm_User* user = Open();
        Type(user->txt_UserName, QString());
        Type(user->txt_DesignNo, QStringLiteral("99"));
        QTest::mouseClick(user->cmd_Done, Qt::LeftButton);
        QVERIFY(user->isVisible());
        QCOMPARE(Design_No, int16_t(1));
        QCOMPARE(Project_ID, QStringLiteral(" ACME"));
    }

    // A screen reader names each field by its prompt.
    void promptsLabelTheirFields() {
        frm_User* user = Open();
        const std::pair<QLabel*, QLineEdit*> pairs[] = {{user->Label1, user->txt_UserName},
                                                        {user->Label2, user->txt_DesignNo},
                                                        {user->Label3, user->txt_Filename}};
        for (const auto& [label, field] : pairs) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
            QVERIFY(accessible);
            const auto labels = accessible->relations(QAccessible::Label);
            QVERIFY2(!labels.isEmpty() && labels.first().first->object() == label,
                     qPrintable(field->objectName()));
        }
    }
    void altKeysTypeNothing() {
        frm_User* user = Open();
        for (QLineEdit* field : {user->txt_UserName, user->txt_DesignNo, user->txt_Filename}) {
            field->setFocus();
            field->end(false);
            const QString before = field->text();
            QTest::keyClick(field, Qt::Key_X, Qt::AltModifier);
            QTest::keyClick(field, Qt::Key_5, Qt::AltModifier);
            QCOMPARE(field->text(), before);
            QTest::keyClick(field, Qt::Key_5);
            QCOMPARE(field->text(), before + u'5');
        }
    }

    // The small-screen rule shrinks the screen (much more so at 200 %): every prompt and
    // field still shows its whole text, and none runs into the next.
    void shrunkScreenKeepsEveryTextWhole() {
        File_Name = QStringLiteral("Quay 12g");
        frm_User* user = Open();
        const QList<QWidget*> column{user->Label1,       user->txt_UserName, user->Label2,
                                     user->txt_DesignNo, user->Label3,       user->txt_Filename};
        for (int i = 0; i < column.size(); ++i) {
            QWidget* control = column[i];
            const QString name = control->objectName();
            if (auto* label = qobject_cast<QLabel*>(control)) {
                const QRect text = label->fontMetrics().boundingRect(label->text());
                QVERIFY2(text.width() <= label->width(), qPrintable(name));
                QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(name));
            } else {
                auto* field = static_cast<QLineEdit*>(control);
                QVERIFY2(field->height() >= field->minimumSizeHint().height(), qPrintable(name));
                QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) < field->width() - 8,
                         qPrintable(name));
            }
            if (i + 1 < column.size())
                QVERIFY2(control->geometry().bottom() < column[i + 1]->y(), qPrintable(name));
        }
    }

    void designNumberOutsideSixteenBitsIsRefused() {
        ScriptedMessages messages;
        frm_User* user = Open();
        Type(user->txt_UserName, QStringLiteral("Ann"));
        Type(user->txt_DesignNo, QStringLiteral("40000"));
        QTest::mouseClick(user->cmd_Done, Qt::LeftButton);
        QVERIFY(user->isVisible());
        QCOMPARE(Design_No, int16_t(1));
        QCOMPARE(Project_ID, QStringLiteral(" ACME"));
        QCOMPARE(messages.Texts(), std::vector<QString>{Design_Number_Range_Message()});
    }
};

QTEST_MAIN(UserScreenTest)
#include "frm_user_test.moc"
