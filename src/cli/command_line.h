// korvel-cli's command lines, read with QCommandLineParser: the program's own options
// (--help, --version), each command's options and arguments, the usage and the help texts.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>

#include <iosfwd>
#include <optional>

namespace korvel::cli {

// The usage of every command on err, after "korvel-cli: reason" when there is one; gives
// ExitCode::Usage.
int Usage_Error(std::ostream& err, const QString& reason = {});

// The program's options before any command: --help (the usage of every command and what
// each does, on out), --version ("korvel-cli VERSION", on out), or an unknown option or no
// command at all (a usage error). Gives the exit status when one of them ended the run,
// nothing when a command is to run (arguments.first()).
std::optional<int> Take_Program_Options(const QStringList& arguments, std::ostream& out,
                                        std::ostream& err);

// One command's command line: its options, --help, and its arguments.
class CommandLine {
  public:
    // command: "solve", "check"...; options: those it takes besides --help.
    CommandLine(const char* command, const QList<QCommandLineOption>& options);

    // Reads the arguments after the command. Gives the exit status when the command is not to
    // run: Ok after --help printed the command's help on out, Usage after an unknown option,
    // a missing value or an option given twice (the reason and the usage on err). Options may
    // come before, between and after the arguments; "--" ends them, and "-" is an argument.
    std::optional<int> Parse(const QStringList& arguments, std::ostream& out, std::ostream& err);

    bool Is_Set(const QCommandLineOption& option) const { return parser_.isSet(option); }
    QString Value(const QCommandLineOption& option) const { return parser_.value(option); }
    QStringList Arguments() const { return parser_.positionalArguments(); }

  private:
    const char* command_;
    QList<QCommandLineOption> options_;
    QCommandLineParser parser_;
};

// --jobs N (-j N): how many files a batch works on at once; what: "check", "solve".
QCommandLineOption Jobs_Option(const char* what);

// --jobs as given, 1 to 1024, or one per processor core when not given; 0 (after a usage
// error on err) for anything else.
unsigned Take_Jobs(const CommandLine& line, const QCommandLineOption& jobs, std::ostream& err);

} // namespace korvel::cli
