// Where korvel-cli's commands take their system from: a model file (.kvl), a system text
// file (.csv, .tsv, .txt) or standard input ("-"), one loading for every command.
#pragma once

#include "model/examples.h"

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

#include <iosfwd>
#include <optional>

namespace korvel::cli {

class CommandLine;

// What a command reads: the files named, else an example set, else the default system.
struct Sources {
    std::optional<Example> example;
    QStringList files; // as given on the command line

    // How many systems: one for an example or the default system.
    qsizetype Count() const { return files.isEmpty() ? 1 : files.size(); }
};

// --example NAME, for every command that reads a system.
QCommandLineOption Example_Option();

// The sources a command line names (files, its arguments that name systems, and --example):
// a usage error, with its reason and the usage on err, for an example that does not exist,
// an example beside files, "-" (standard input, read once) given twice, or more than one
// file where several is false.
std::optional<Sources> Take_Sources(const CommandLine& line, const QStringList& files, bool several,
                                    std::ostream& err);

// Loads system index of the sources into the model: the file, the example, or nothing for
// the default system (the model as Initialize leaves it). Gives Ok or, with its message on
// err, FileError.
int Load_Source(const Sources& sources, qsizetype index, std::ostream& err);

// Loads the system named by path into the model: by its extension, and for "-" (standard
// input) or any other extension by its content (a model file's header, else text). On
// failure writes the message to err and returns the exit code; Ok when loaded.
int Load_System(const QString& path, std::ostream& err);

// The stream "-" reads; standard input unless a test gives another. Null restores it.
void Set_Standard_Input(std::istream* in);

} // namespace korvel::cli
