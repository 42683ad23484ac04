// Every branch of the error reporter: texts, box styles, the home screen and the pointer.
#include "base/report_error.h"
#include "base/shell_actions.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

class RecordingActions : public ShellActions {
  public:
    RecordingActions() { Set_Shell_Actions(this); }
    ~RecordingActions() override { Set_Shell_Actions(nullptr); }
    void Show_Home_Screen() override { log += "home;"; }
    void Centre_And_Show_Home_Screen() override { log += "centred home;"; }
    void Set_Hourglass() override { log += "busy;"; }
    void Reset_Pointer() override { log += "arrow;"; }
    std::string log;
};

const QString CRLF = QStringLiteral("\r\n");

QString Head(int number, const QString& description, const QString& label) {
    return QStringLiteral("Error %1   (%2)  has occurred in %3")
               .arg(number)
               .arg(description, label) +
           CRLF + CRLF;
}

QString Memory_Advice(const QString& what) {
    return QStringLiteral("You should try to save your model from the Home Screen's 'File' "
                          "pulldown menu, ") +
           CRLF +
           QStringLiteral("then Quit this program and restart it to clear the %1.").arg(what) +
           CRLF +
           QStringLiteral(
               "It may help to close other programs that are running at the same time.") +
           CRLF + QStringLiteral("Good luck! ");
}

} // namespace

TEST(ReportError, AdviceAndIconByNumber) {
    const struct {
        int number;
        QString advice;
    } cases[] = {
        {52,
         QStringLiteral(
             "The filename clicked on has a problem.  Try opening it from within the program.")},
        {53, QStringLiteral("There are no files with your chosen name in the selected directory")},
        {64, QStringLiteral("There are no files with your chosen name in the selected directory")},
        {57, QStringLiteral("Device I/O error- bad drive or disk - please try another")},
        {61, QStringLiteral(" The floppy disk in the drive is full - please substitute another")},
        {71, QStringLiteral("Disk not ready - is the drive empty or its door open?")},
        {32678, QStringLiteral("Out of memory.  Close other programs and retry.")},
        {28, Memory_Advice(QStringLiteral("stacks"))},
        {11, QString()},
        {0, QString()},
    };
    for (const auto& c : cases) {
        ScriptedMessages messages;
        RecordingActions actions;
        Report_Error(c.number, QStringLiteral("desc"), QStringLiteral("Readfile"));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text,
                  Head(c.number, QStringLiteral("desc"), QStringLiteral("Readfile")) + c.advice);
        EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information) << c.number;
        EXPECT_EQ(messages.shown[0].buttons, MsgButtons::OK);
        EXPECT_EQ(actions.log, "arrow;") << c.number;
    }
}

TEST(ReportError, OutOfMemoryHasNoIconAndBringsTheHomeScreenForward) {
    ScriptedMessages messages;
    RecordingActions actions;
    Report_Error(RuntimeError(Err::OutOfMemory), QStringLiteral("SimQ"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              Head(7, QStringLiteral("Out of memory"), QStringLiteral("SimQ")) +
                  Memory_Advice(QStringLiteral("memory")));
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(actions.log, "home;arrow;");
}

TEST(ReportError, NegativeNumbersEmptyLabelsAndOwnDescriptions) {
    ScriptedMessages messages;
    Report_Error(RuntimeError(Err::Registry, QStringLiteral("Failed to create key Software\\X."),
                              QStringLiteral("CRegistry:OpenKey")),
                 QStringLiteral("Openkey"));
    Report_Error(13, QStringLiteral("Type mismatch"), QString());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Error -2147221502   (Failed to create key Software\\X.)  has "
                             "occurred in Openkey\r\n\r\n"));
    EXPECT_TRUE(messages.shown[1].text.endsWith(QStringLiteral("has occurred in \r\n\r\n")));
}

TEST(ReportError, HandlerReportsWhatWasThrownAndIgnoresCancelWhenAsked) {
    ScriptedMessages messages;
    EXPECT_TRUE(With_Handler(QStringLiteral("x"), [] {}));
    EXPECT_FALSE(With_Handler(
        QStringLiteral("frm_Homescreen.Open"), [] { throw RuntimeError(Err::Cancel); }, true));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(With_Handler(QStringLiteral("frm_Homescreen.Save"),
                              [] { throw RuntimeError(Err::Cancel); }));
    EXPECT_FALSE(With_Handler(QStringLiteral("a"), [] { throw std::bad_alloc(); }));
    EXPECT_FALSE(With_Handler(QStringLiteral("b"), [] { throw std::runtime_error("boom"); }));
    EXPECT_FALSE(With_Handler(QStringLiteral("c"), [] { throw 5; }));
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Error 32755")));
    EXPECT_TRUE(messages.shown[1].text.startsWith(
        QStringLiteral("Error 7   (Out of memory)  has occurred in a")));
    EXPECT_TRUE(
        messages.shown[2].text.startsWith(QStringLiteral("Error 51   (Internal error: boom)")));
    EXPECT_TRUE(messages.shown[3].text.startsWith(QStringLiteral("Error 51   (Internal error)")));
}

TEST(ReportError, CatalogueDescriptions) {
    EXPECT_EQ(Error_Description(6), QStringLiteral("Overflow"));
    EXPECT_EQ(Error_Description(9), QStringLiteral("Subscript out of range"));
    EXPECT_EQ(Error_Description(11), QStringLiteral("Division by zero"));
    EXPECT_EQ(Error_Description(62), QStringLiteral("Input past end of file"));
    EXPECT_EQ(Error_Description(76), QStringLiteral("Path not found"));
    EXPECT_EQ(Error_Description(12345),
              QStringLiteral("Application-defined or object-defined error"));
}
