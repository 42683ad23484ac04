// The About and Disclaimer screens, driven through their real widgets: texts, tool tips,
// closing by a click anywhere, and where the disclaimer's Next > leads.
#include "base/app_globals.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/shell/twips.h"
#include "screens/start/disclaimer_texts.h"
#include "screens/start/frm_about.h"
#include "screens/start/frm_disclaimer.h"
#include "session/placement.h"
#include "support/scripted_messages.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

QWidget* Control(QWidget* form, const QString& name) {
    if (form->objectName() == name) return form;
    return form->findChild<QWidget*>(name);
}

// Shows form modally and clicks the control once the modal display runs; a click that
// did not close the form is reported, and the form hidden so the test goes on.
void Click_While_Modal(Form* form, const QString& name, bool* closedByClick) {
    *closedByClick = false;
    QTimer::singleShot(0, form, [=] {
        QWidget* control = Control(form, name);
        if (control) QTest::mouseClick(control, Qt::LeftButton);
        *closedByClick = control && !form->isVisible();
        if (form->isVisible()) form->hide();
    });
    form->Show_Modal();
}

const QStringList Disclaimer_Controls = {
    QStringLiteral("cmd_Done"),       QStringLiteral("SSPanel1"),   QStringLiteral("SSFrame3"),
    QStringLiteral("lbl_Disclaimer"), QStringLiteral("SSFrame2"),   QStringLiteral("lbl_Support"),
    QStringLiteral("SSFrame4"),       QStringLiteral("lbl_Notice"), QStringLiteral("Label1[0]"),
    QStringLiteral("Label1[1]")};

} // namespace

class AboutDisclaimerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        Set_Identity();
        Title_Caption = Build_Title_Caption();
        First_Activate = false;
        Full_Screen = false;
        Is_Admin = true; // no default-path message when the home screen first shows
    }
    void cleanup() { Unload_All_Forms(); }

    // ---- About ----

    void aboutShowsNameAndRelease() {
        frm_About* about = About_Screen();
        QCOMPARE(about->Label1->text(), QStringLiteral("KORVEL"));
        QCOMPARE(about->lblHeader->text(),
                 QStringLiteral("A Program for the Solution of Systems of Linear Equations"));
        QCOMPARE(about->lbl_Version->text(), QStringLiteral("Release 9.0 - Rev 2.2   11/30/08"));
        QCOMPARE(about->lblBy->text(), QStringLiteral("by"));
        QVERIFY(!about->lblAuthor->text().trimmed().isEmpty());
        QCOMPARE(about->pnl_Title->objectName(), QStringLiteral("pnl_Title"));
    }

    // The credit line names the licence and is shown whole, not cut off by its label or
    // by the panel.
    void aboutCreditLineNamesTheLicenceAndFits() {
        frm_About* about = About_Screen();
        QVERIFY(about->lblAuthor->text().contains(
            QStringLiteral("GNU General Public License, version 3 or later")));
        about->show();
        QLabel* credit = about->lblAuthor;
        QVERIFY2(credit->heightForWidth(credit->width()) <= credit->height(),
                 qPrintable(QStringLiteral("needs %1 px, has %2")
                                .arg(credit->heightForWidth(credit->width()))
                                .arg(credit->height())));
        QVERIFY(about->pnl_Title->contentsRect().contains(credit->geometry()));
        about->hide();
    }

    void aboutVersionIsReadWhenLoaded() {
        Version = QStringLiteral("9.1");
        Revision = QStringLiteral("3.0");
        Release_Date = QStringLiteral("01/15/09");
        QCOMPARE(About_Screen()->lbl_Version->text(),
                 QStringLiteral("Release 9.1 - Rev 3.0   01/15/09"));
    }

    void aboutClosesOnAClickAnywhere_data() {
        QTest::addColumn<QString>("control");
        for (const char* name :
             {"frm_About", "pnl_Title", "Label1", "lblHeader", "lbl_Version", "lblBy", "lblAuthor"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void aboutClosesOnAClickAnywhere() {
        QFETCH(QString, control);
        bool closed = false;
        Click_While_Modal(About_Screen(), control, &closed);
        QVERIFY2(closed, qPrintable(control + QStringLiteral(" did not close About")));
    }

    void aboutIgnoresOtherButtons() {
        frm_About* about = About_Screen();
        about->show();
        QTest::mouseClick(about->lblAuthor, Qt::RightButton);
        QVERIFY(about->isVisible());
    }

    // ---- Disclaimer ----

    void disclaimerControlsShowTheCloseTip() {
        frm_Disclaimer* disclaimer = Disclaimer_Screen();
        for (const QString& name : Disclaimer_Controls) {
            QWidget* control = Control(disclaimer, name);
            QVERIFY2(control, qPrintable(name));
            QCOMPARE(control->toolTip(), QStringLiteral("Click here to close window"));
        }
        QCOMPARE(disclaimer->cmd_Done->text(), QStringLiteral("&Next >"));
        QCOMPARE(disclaimer->SSFrame3->title(), QStringLiteral("Disclaimer"));
        QCOMPARE(disclaimer->SSFrame2->title(), QStringLiteral("Support"));
        QVERIFY(disclaimer->SSFrame4->title().isEmpty());
        QCOMPARE(disclaimer->lbl_Disclaimer->parentWidget(), disclaimer->SSFrame3);
        QCOMPARE(disclaimer->lbl_Support->parentWidget(), disclaimer->SSFrame2);
        QCOMPARE(disclaimer->lbl_Notice->parentWidget(), disclaimer->SSFrame4);
    }

    void disclaimerLoadsAtItsDesignSize() {
        frm_Disclaimer* disclaimer = Disclaimer_Screen();
        const TwipsRect placed = Window_Twips(disclaimer);
        const double tpp = Twips_Per_Pixel(disclaimer);
        QVERIFY(std::abs(placed.width - 11850) <= tpp);
        QVERIFY(std::abs(placed.height - 8950) <= tpp);
    }

    void disclaimerFollowsTheSmallScreenRuleWhenActive() {
        frm_Disclaimer* disclaimer = Disclaimer_Screen();
        const ScreenTwips screen = Screen_Twips(disclaimer);
        disclaimer->Show_Modeless();
        const TwipsRect placed = Window_Twips(disclaimer);
        const double tpp = Twips_Per_Pixel(disclaimer);
        if (screen.height - 400 < 8950) {
            // Too low for the design: as high as the display allows less 400, proportions kept.
            QVERIFY(std::abs(placed.height - (screen.height - 400)) <= tpp);
            QVERIFY(std::abs(placed.width / placed.height - 11850.0 / 8950.0) < 0.01);
            QVERIFY(std::abs(placed.top) <= tpp);
        } else {
            QVERIFY(std::abs(placed.height - 8950) <= tpp);
        }
        // Its contents shrink with it: the button stays inside the window.
        QVERIFY(disclaimer->rect().contains(disclaimer->cmd_Done->geometry()));
    }

    void disclaimerTextsAreSetWhenActive() {
        frm_Disclaimer* disclaimer = Disclaimer_Screen();
        const QList<QLabel*> texts = {disclaimer->lbl_Disclaimer, disclaimer->lbl_Notice,
                                      disclaimer->lbl_Support, disclaimer->Label1[0],
                                      disclaimer->Label1[1]};
        disclaimer->Show_Modeless();
        for (QLabel* label : texts)
            QVERIFY2(!label->text().trimmed().isEmpty(), qPrintable(label->objectName()));
        const QString korvel = disclaimer->lbl_Disclaimer->text();

        // Chosen by the product name each time the screen becomes active.
        disclaimer->hide();
        Program_Name = QStringLiteral("MATRIXPAD");
        disclaimer->Show_Modeless();
        QVERIFY(disclaimer->lbl_Disclaimer->text() != korvel);
        QVERIFY(disclaimer->lbl_Disclaimer->text().contains(QStringLiteral("MATRIXPAD")));
        for (QLabel* label : texts)
            QVERIFY(!label->text().trimmed().isEmpty());
    }

    void disclaimerTextTable() {
        for (const QString& name : {QStringLiteral("KORVEL"), QStringLiteral("OTHER"), QString()}) {
            const DisclaimerTexts texts = Disclaimer_Texts(name);
            for (const QString& text :
                 {texts.disclaimer, texts.notice, texts.support, texts.contact, texts.description})
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(name));
        }
        QVERIFY(
            Disclaimer_Texts(QStringLiteral("KORVEL")).description.contains(QStringLiteral("16")));
        QVERIFY(Disclaimer_Texts(QStringLiteral("OTHER"))
                    .disclaimer.startsWith(QStringLiteral("OTHER")));
    }

    void nextAtStartUpLeadsToTheHomeScreen_data() {
        QTest::addColumn<QString>("control");
        for (const char* name : {"cmd_Done", "frm_Disclaimer", "SSPanel1", "SSFrame3", "SSFrame4",
                                 "lbl_Support", "Label1[0]"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void nextAtStartUpLeadsToTheHomeScreen() {
        QFETCH(QString, control);
        ScriptedMessages messages;
        First_Activate = true; // shown by the title screen's Start
        bool closed = false;
        Click_While_Modal(Disclaimer_Screen(), control, &closed);
        QVERIFY(closed);
        QVERIFY(Home_Screen()->isVisible());
        QVERIFY(!First_Activate); // the home screen has become active
    }

    void nextLaterOnlyCloses_data() { nextAtStartUpLeadsToTheHomeScreen_data(); }
    void nextLaterOnlyCloses() {
        QFETCH(QString, control);
        First_Activate = false; // opened from the About menu
        frm_Disclaimer* disclaimer = Disclaimer_Screen();
        disclaimer->Show_Modeless();
        QWidget* target = Control(disclaimer, control);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
        QVERIFY(!disclaimer->isVisible());
        QVERIFY(!Home_Screen()->isVisible());
    }
};

QTEST_MAIN(AboutDisclaimerTest)
#include "frm_about_disclaimer_test.moc"
