#include "cli/system_input.h"

#include "base/app_globals.h"
#include "base/file_names.h"
#include "base/read_file.h"
#include "base/report_error.h"
#include "cli/cli_commands.h"
#include "cli/command_line.h"
#include "files/model_file.h"
#include "files/model_io.h"
#include "files/system_import.h"

#include <QFileInfo>

#include <iostream>
#include <iterator>
#include <ostream>

namespace korvel::cli {

namespace {

std::istream* g_input = nullptr;

// A model file begins with the quoted product name; a text system with numbers or names.
bool Looks_Like_Model_File(const QByteArray& content) {
    const QByteArray start = content.left(64).trimmed();
    return start.startsWith("\"KORVEL\"") || start.startsWith("\xEF\xBB\xBF\"KORVEL\"");
}

int Failed(const ReadResult& read, std::ostream& err) {
    switch (read.status) {
    case ReadResult::Status::Complete:
        return ExitCode::Ok;
    case ReadResult::Status::Refused:
        err << Terminal_Text(Incompatible_File_Message()) << '\n';
        return ExitCode::FileError;
    case ReadResult::Status::Error:
        err << Error_Report_Text(read.error) << '\n';
        return ExitCode::FileError;
    }
    return ExitCode::FileError;
}

// The error being handled, a file that could not be read, as a terminal line: the error
// and the file, without the window's routine name and advice about the directory chosen.
int Unreadable(std::ostream& err) {
    const RuntimeError error = Current_Error(std::current_exception());
    err << Terminal_Text(QStringLiteral("Error %1   (").arg(error.number()) + error.description() +
                         QLatin1Char(')'))
        << '\n';
    return ExitCode::FileError;
}

ReadResult Read_Text_System(const QByteArray& content, const QString& name) {
    const SystemImport import = Parse_System_Bytes(content, name);
    if (import.result.Complete()) Apply_System(import.system);
    return import.result;
}

// Standard input, up to the size of the largest file the program reads.
QByteArray Read_Input() {
    std::istream& in = g_input ? *g_input : std::cin;
    QByteArray content;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, in.gcount());
        if (content.size() > Largest_Readable_File)
            throw RuntimeError(Err::PathFileAccessError,
                               QStringLiteral("standard input: larger than 16 MiB, too large "
                                              "for this program's files"));
    }
    return content;
}

int Load_Input(std::ostream& err) {
    ReadResult read;
    try {
        const QByteArray content = Read_Input();
        read = Looks_Like_Model_File(content)
                   ? Readfile(content, QStringLiteral("standard input"))
                   : Read_Text_System(content, QStringLiteral("standard input"));
    } catch (...) {
        return Unreadable(err);
    }
    return Failed(read, err);
}

} // namespace

void Set_Standard_Input(std::istream* in) {
    g_input = in;
}

int Load_System(const QString& path, std::ostream& err) {
    if (path == QLatin1String("-")) return Load_Input(err);
    const QString fullPath = Absolute_File_Name(path);
    const QString suffix = QFileInfo(path).suffix().toLower();
    ReadResult read;
    try {
        if (suffix == QLatin1String("kvl")) {
            read = Read_Model_File(fullPath);
        } else if (Is_System_Text_Path(fullPath)) {
            read = Read_System_File(fullPath);
        } else {
            const QByteArray content = Read_Whole_File(fullPath);
            read =
                Looks_Like_Model_File(content)
                    ? Readfile(content, Readable_File_Name(fullPath))
                    : Read_Text_System(content, Readable_File_Name(QFileInfo(fullPath).fileName()));
        }
    } catch (...) {
        return Unreadable(err);
    }
    if (const int failed = Failed(read, err)) return failed;
    File_Path = fullPath;
    // A path too short for a model name (possible only at the root) keeps the file name.
    File_Name = Readable_File_Name(fullPath.size() >= 4 ? StripFilename(fullPath)
                                                        : QFileInfo(fullPath).fileName());
    return ExitCode::Ok;
}

QCommandLineOption Example_Option() {
    return QCommandLineOption(QStringLiteral("example"),
                              QStringLiteral("a built-in example set instead of SYSTEM"),
                              QStringLiteral("test|11-2|11-3"));
}

std::optional<Sources> Take_Sources(const CommandLine& line, const QStringList& files, bool several,
                                    std::ostream& err) {
    Sources sources;
    sources.files = files;
    if (line.Is_Set(Example_Option())) {
        const QString name = line.Value(Example_Option());
        sources.example = Example_From_Name(name);
        if (!sources.example) {
            Usage_Error(err, QStringLiteral("no example set named %1").arg(name));
            return std::nullopt;
        }
        if (!sources.files.isEmpty()) {
            Usage_Error(err, QStringLiteral("--example and SYSTEM together"));
            return std::nullopt;
        }
    }
    if (!several && sources.files.size() > 1) {
        Usage_Error(err, QStringLiteral("one SYSTEM at most"));
        return std::nullopt;
    }
    if (sources.files.count(QStringLiteral("-")) > 1) {
        Usage_Error(err, QStringLiteral("standard input (-) can be read only once"));
        return std::nullopt;
    }
    return sources;
}

int Load_Source(const Sources& sources, qsizetype index, std::ostream& err) {
    if (!sources.files.isEmpty()) return Load_System(sources.files[index], err);
    if (sources.example) Load_Example(*sources.example);
    return ExitCode::Ok;
}

} // namespace korvel::cli
