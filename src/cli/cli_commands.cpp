#include "cli/cli_commands.h"

#include "files/model_io.h"
#include "reports/export_file.h"
#include "model/examples.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "model/solve_equations.h"
#include "base/app_globals.h"
#include "base/messages.h"
#include "base/report_error.h"

#include <QFileInfo>

#include <charconv>
#include <ostream>

namespace korvel::cli {

namespace {

const char* const Usage_Text =
    "usage: korvel-cli solve [FILE.kvl | --example test|11-2|11-3]\n"
    "       korvel-cli export FILE.kvl OUT.txt\n"
    "       korvel-cli print FILE.kvl OUT.pdf\n"
    "       korvel-cli save --example test|11-2|11-3 OUT.kvl";

// Keeps every message the core shows, so the command can decide what to print.
class RecordingMessages : public MessageService {
public:
    RecordingMessages() : previous_(Message_Service()) { Set_Message_Service(this); }
    ~RecordingMessages() override { Set_Message_Service(previous_); }
    MsgAnswer Show(const QString& text, MsgIcon, MsgButtons buttons) override {
        texts.push_back(text);
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::OK;
    }
    std::vector<QString> texts;

private:
    MessageService* previous_;
};

std::string Plain(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QChar(13), QChar(10));
    return plain.trimmed().toStdString();
}

int Usage_Error(std::ostream& err) {
    err << Usage_Text << '\n';
    return ExitCode::Usage;
}

// Reads a model file as File > Open does. Any message shown while reading is an error
// report (a successful read at start-up says nothing), so it fails the command.
int Load(const QString& path, std::ostream& err) {
    RecordingMessages messages;
    const bool opened = With_Handler(QStringLiteral(" in Open_Clicked_File"), [&] {
        File_Path = QFileInfo(path).absoluteFilePath();
        Load_Model_File(File_Path);
        File_Name = StripFilename(File_Path);
    });
    if (opened && messages.texts.empty()) return ExitCode::Ok;
    err << (messages.texts.empty() ? std::string("cannot read ") + path.toStdString()
                                   : Plain(messages.texts.front()))
        << '\n';
    return ExitCode::FileError;
}

// Solves the model; on failure prints why and returns the exit code.
int Solve(std::ostream& err) {
    RecordingMessages messages;
    Load_C_Work(Num_Equations);
    Solve_Equations();
    if (Solve_Error == 0) return ExitCode::Ok;
    const QString zeroPivot = Zero_Pivot_Message(Solve_Error);
    for (const QString& text : messages.texts)
        if (text == zeroPivot) {
            err << Plain(text) << '\n';
            return ExitCode::ZeroPivot;
        }
    // A run-time error: its report is the first message shown.
    err << (messages.texts.empty() ? std::string("run-time error") : Plain(messages.texts.front()))
        << '\n';
    return ExitCode::RunTimeError;
}

int Write_Or_Fail(const QString& label, const std::function<bool()>& write, std::ostream& err) {
    RecordingMessages messages;
    bool written = false;
    With_Handler(label, [&] { written = write(); });
    if (written) return ExitCode::Ok;
    err << (messages.texts.empty() ? std::string("cannot write the file")
                                   : Plain(messages.texts.back()))
        << '\n';
    return ExitCode::FileError;
}

} // namespace

int Solve_And_Print(std::ostream& out, std::ostream& err) {
    const int solved = Solve(err);
    if (solved != ExitCode::Ok) return solved;
    for (int i = 1; i <= Num_Equations; ++i)
        out << Var_Name[i].toStdString() << '\t' << Shortest_Text(X_Vector[i]) << '\n';
    return ExitCode::Ok;
}

std::string Shortest_Text(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

int Run(const QStringList& arguments, std::ostream& out, std::ostream& err,
        const PdfPrinter& print_to_pdf) {
    Set_Identity();
    Initialize();
    File_Path.clear();
    const QString command = arguments.value(0);
    const qsizetype count = arguments.size();

    if (command == QLatin1String("solve") && count == 1) return Solve_And_Print(out, err);
    if (command == QLatin1String("solve") && count == 3 &&
        arguments[1] == QLatin1String("--example")) {
        const auto example = Example_From_Name(arguments[2]);
        if (!example) return Usage_Error(err);
        Load_Example(*example);
        return Solve_And_Print(out, err);
    }
    if (command == QLatin1String("solve") && count == 2 && !arguments[1].startsWith(u'-')) {
        if (const int loaded = Load(arguments[1], err)) return loaded;
        return Solve_And_Print(out, err);
    }
    if ((command == QLatin1String("export") || (command == QLatin1String("print") && print_to_pdf)) &&
        count == 3) {
        if (const int loaded = Load(arguments[1], err)) return loaded;
        if (const int solved = Solve(err)) return solved;
        const QString target = arguments[2];
        if (command == QLatin1String("export"))
            return Write_Or_Fail(QStringLiteral("frm_Homescreen.Export"),
                                 [&] { return Export_To_File(target); }, err);
        return Write_Or_Fail(QStringLiteral("Print_to_Printer"),
                             [&] { return print_to_pdf(target); }, err);
    }
    if (command == QLatin1String("save") && count == 4 &&
        arguments[1] == QLatin1String("--example")) {
        const auto example = Example_From_Name(arguments[2]);
        if (!example) return Usage_Error(err);
        Load_Example(*example);
        File_Path = QFileInfo(arguments[3]).absoluteFilePath();
        return Write_Or_Fail(QStringLiteral("frm_Homescreen.SaveAs"),
                             [&] { return Save_Model_File(File_Path); }, err);
    }
    return Usage_Error(err);
}

} // namespace korvel::cli
