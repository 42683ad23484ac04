#include "cli/cli_commands.h"

#include "model/examples.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "model/solve_equations.h"
#include "shell/messages.h"

#include <charconv>
#include <ostream>

namespace korvel::cli {

namespace {

const char* const Usage_Line = "usage: korvel-cli solve [--example test|11-2|11-3]";

// Keeps every message the core shows, so the command can decide what to print.
class RecordingMessages : public MessageService {
public:
    MsgAnswer Show(const QString& text, MsgIcon, MsgButtons buttons) override {
        texts.push_back(text);
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::OK;
    }
    std::vector<QString> texts;
};

class MessageScope {
public:
    explicit MessageScope(MessageService* service) : previous_(Message_Service()) {
        Set_Message_Service(service);
    }
    ~MessageScope() { Set_Message_Service(previous_); }

private:
    MessageService* previous_;
};

std::string Plain(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QChar(13), QChar(10));
    return plain.trimmed().toStdString();
}

} // namespace

int Solve_And_Print(std::ostream& out, std::ostream& err) {
    RecordingMessages messages;
    MessageScope scope(&messages);
    Load_C_Work(Num_Equations);
    Solve_Equations();
    if (Solve_Error == 0) {
        for (int i = 1; i <= Num_Equations; ++i)
            out << Var_Name[i].toStdString() << '\t' << Shortest_Text(X_Vector[i]) << '\n';
        return ExitCode::Ok;
    }
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

namespace {

int Usage_Error(std::ostream& err) {
    err << Usage_Line << '\n';
    return ExitCode::Usage;
}

} // namespace

std::string Shortest_Text(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

int Run(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.isEmpty() || arguments.front() != QLatin1String("solve")) return Usage_Error(err);
    Initialize();
    if (arguments.size() == 1) return Solve_And_Print(out, err);
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--example")) {
        const auto example = Example_From_Name(arguments[2]);
        if (!example) return Usage_Error(err);
        Load_Example(*example);
        return Solve_And_Print(out, err);
    }
    return Usage_Error(err);
}

} // namespace korvel::cli
