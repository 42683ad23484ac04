// What an event handler throws is reported by its own wrapper, never unwinding through Qt's
// event delivery, and the program keeps running.
#include "base/runtime_error.h"
#include "screens/shell/guarded_application.h"
#include "screens/shell/guarded_slot.h"
#include "support/scripted_messages.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <stdexcept>

using namespace korvel;

class GuardedApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    void aThrowingHandlerIsReportedAndTheProgramGoesOn() {
        testing::ScriptedMessages messages;
        QWidget window;
        window.setObjectName(QStringLiteral("frm_Matrix"));
        auto* failing = new QPushButton(QStringLiteral("Solve"), &window);
        failing->setObjectName(QStringLiteral("cmd_Solve"));
        auto* working = new QPushButton(QStringLiteral("Next"), &window);
        working->setObjectName(QStringLiteral("cmd_Next"));
        working->move(0, 40);
        int clicks = 0;
        Connect_Guarded(failing, &QPushButton::clicked, &window,
                        [] { throw RuntimeError(Err::Overflow); });
        Connect_Guarded(working, &QPushButton::clicked, &window, [&](bool) { ++clicks; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(failing, Qt::LeftButton);
        QCOMPARE(messages.shown.size(), size_t(1));
        QVERIFY(messages.shown[0].text.startsWith(
            QStringLiteral("Error 6   (Overflow)  has occurred in frm_Matrix.cmd_Solve")));

        // The event loop still runs and the button's handler still works.
        QTest::mouseClick(working, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QTest::mouseClick(failing, Qt::LeftButton);
        QCOMPARE(messages.shown.size(), size_t(2));
    }

    void anyExceptionIsReportedAsAnInternalError() {
        testing::ScriptedMessages messages;
        QPushButton button;
        Connect_Guarded(&button, &QPushButton::clicked, &button,
                        [] { throw std::logic_error("broken invariant"); });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(messages.shown.size(), size_t(1));
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("broken invariant")));
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("has occurred in QPushButton")));
    }
};

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    GuardedApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "guarded_application_test.moc"
