#include "cli/command_line.h"

#include "cli/cli_commands.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <thread>

namespace korvel::cli {

namespace {

struct CommandText {
    const char* command;
    // After "korvel-cli COMMAND "; a line break starts a line under the first argument.
    const char* usage;
    const char* summary; // for --help
};

// SYSTEM is a model file (.kvl), a system text file (.csv, .tsv, .txt) or - for standard input.
const CommandText Commands[] = {
    {"solve", "[--format tsv|csv|json] [--jobs N] [SYSTEM... | --example test|11-2|11-3]",
     "solve and print each unknown's value"},
    {"export", "SYSTEM OUT.txt", "solve and write the export file"},
    {"print", "SYSTEM OUT.pdf", "solve and print the report to a PDF file"},
    {"save", "SYSTEM|--example test|11-2|11-3 OUT.kvl", "write the system as a model file"},
    {"check",
     "[--json | --format tsv|csv|json] [--jobs N]\n"
     "[--tolerance P | --tolerance-a P --tolerance-c P]\n"
     "[SYSTEM... | --example test|11-2|11-3]",
     "solve exactly and say how far to trust the answer"},
    {"steps",
     "[--pivot first|largest] [--format text|latex|markdown]\n"
     "[SYSTEM | --example test|11-2|11-3]",
     "the worked solution in exact fractions"},
};

const char* const Systems_Text =
    "SYSTEM is a model file (.kvl), a system text file (.csv, .tsv, .txt) or - for standard\n"
    "input. solve and check take any number of systems: each line of the output then starts\n"
    "with the file's name (JSON: one object per line, with \"file\"), a file that fails is\n"
    "named on standard error, the others go on, and the exit status is the highest of the\n"
    "files'. Without SYSTEM, the default 3-equation system.\n";

const char* const Exit_Status_Text =
    "Exit status: 0 done, 1 file error, 2 zero pivot (check, steps: no unique solution),\n"
    "3 run-time error, 4 singular to working precision, 64 usage error.\n";

const CommandText& Text_Of(const char* command) {
    return *std::find_if(std::begin(Commands), std::end(Commands), [&](const CommandText& text) {
        return std::string(text.command) == command;
    });
}

// "korvel-cli COMMAND ARGUMENTS", later lines under the arguments; every line but the first
// after indent.
std::string Usage_Lines(const CommandText& text, const std::string& indent) {
    const std::string start = std::string("korvel-cli ") + text.command + ' ';
    std::string lines = start;
    for (const char* c = text.usage; *c; ++c) {
        lines += *c;
        if (*c == '\n') lines += indent + std::string(start.size(), ' ');
    }
    return lines + '\n';
}

std::string All_Usage() {
    std::string usage;
    for (const CommandText& text : Commands)
        usage += (usage.empty() ? "usage: " : "       ") + Usage_Lines(text, "       ");
    return usage + "       korvel-cli --help | --version | COMMAND --help\n";
}

std::string Program_Help() {
    std::string help = "korvel-cli: Korvel's systems of up to 16 linear equations, for scripts "
                       "and batches.\n\n" +
                       All_Usage() + '\n' + Systems_Text + "\nCommands:\n";
    for (const CommandText& text : Commands) {
        const std::string name = text.command;
        help += "  " + name + std::string(8 - name.size(), ' ') + text.summary + '\n';
    }
    return help + "\nkorvel-cli COMMAND --help tells a command's options.\n" + Exit_Status_Text;
}

QCommandLineOption Help_Option() {
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                              QStringLiteral("show this help and exit"));
}

// text in lines of at most 80 characters, the first after column start, the others after
// indent to that column.
std::string Wrapped(const QString& text, size_t start) {
    std::string lines;
    size_t column = start;
    for (const QString& word : text.split(u' ')) {
        if (column > start && column + 1 + word.size() > 80) {
            lines += '\n' + std::string(start, ' ');
            column = start;
        } else if (column > start) {
            lines += ' ';
            ++column;
        }
        lines += word.toStdString();
        column += word.size();
    }
    return lines;
}

// "  -h, --help               show this help and exit", one line per option.
std::string Options_Text(const QList<QCommandLineOption>& options) {
    std::vector<std::string> names;
    size_t width = 0;
    for (const QCommandLineOption& option : options) {
        std::string name;
        for (const QString& alias : option.names())
            name += (name.empty() ? "" : ", ") + std::string(alias.size() == 1 ? "-" : "--") +
                    alias.toStdString();
        if (!option.valueName().isEmpty()) name += " <" + option.valueName().toStdString() + '>';
        width = std::max(width, name.size());
        names.push_back(name);
    }
    std::string text = "Options:\n";
    for (qsizetype i = 0; i < options.size(); ++i)
        text += "  " + names[static_cast<size_t>(i)] +
                std::string(width + 2 - names[static_cast<size_t>(i)].size(), ' ') +
                Wrapped(options[i].description(), width + 4) + '\n';
    return text;
}

QStringList With_Program_Name(const QStringList& arguments) {
    return QStringList{QStringLiteral("korvel-cli")} + arguments;
}

} // namespace

int Usage_Error(std::ostream& err, const QString& reason) {
    if (!reason.isEmpty()) err << "korvel-cli: " << reason.toStdString() << '\n';
    err << All_Usage();
    return ExitCode::Usage;
}

std::optional<int> Take_Program_Options(const QStringList& arguments, std::ostream& out,
                                        std::ostream& err) {
    QCommandLineParser parser;
    // Everything from the command on is the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = Help_Option();
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("show the version and exit"));
    parser.addOptions({help, version});
    if (!parser.parse(With_Program_Name(arguments))) return Usage_Error(err, parser.errorText());
    if (parser.isSet(help)) {
        out << Program_Help();
        return ExitCode::Ok;
    }
    if (parser.isSet(version)) {
        out << "korvel-cli " KORVEL_VERSION "\n";
        return ExitCode::Ok;
    }
    if (parser.positionalArguments().isEmpty()) return Usage_Error(err);
    return std::nullopt;
}

CommandLine::CommandLine(const char* command, const QList<QCommandLineOption>& options)
    : command_(command), options_(options) {
    options_.append(Help_Option());
    parser_.addOptions(options_);
}

std::optional<int> CommandLine::Parse(const QStringList& arguments, std::ostream& out,
                                      std::ostream& err) {
    if (!parser_.parse(With_Program_Name(arguments))) return Usage_Error(err, parser_.errorText());
    if (parser_.isSet(options_.last())) {
        const CommandText& text = Text_Of(command_);
        out << "usage: " << Usage_Lines(text, "       ") << '\n'
            << text.command << ": " << text.summary << ".\n\n"
            << Options_Text(options_) << '\n'
            << Systems_Text;
        return ExitCode::Ok;
    }
    // Each option once: a second value would silently replace the first.
    const QStringList given = parser_.optionNames();
    for (const QCommandLineOption& option : options_) {
        const auto times = std::count_if(given.begin(), given.end(), [&](const QString& name) {
            return option.names().contains(name);
        });
        if (times > 1)
            return Usage_Error(
                err, QStringLiteral("--%1 given more than once").arg(option.names().constLast()));
    }
    return std::nullopt;
}

QCommandLineOption Jobs_Option(const char* what) {
    return QCommandLineOption(
        {QStringLiteral("j"), QStringLiteral("jobs")},
        QStringLiteral("%1 N files at once (one per processor core unless given)")
            .arg(QLatin1String(what)),
        QStringLiteral("N"));
}

unsigned Take_Jobs(const CommandLine& line, const QCommandLineOption& jobs, std::ostream& err) {
    if (!line.Is_Set(jobs)) return std::max(1u, std::thread::hardware_concurrency());
    bool number = false;
    const uint chosen = line.Value(jobs).toUInt(&number);
    if (number && chosen >= 1 && chosen <= 1024) return chosen;
    Usage_Error(err, QStringLiteral("--jobs takes a number from 1 to 1024"));
    return 0;
}

} // namespace korvel::cli
