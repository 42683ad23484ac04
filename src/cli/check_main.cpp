// korvel-cli-check: `korvel-cli check ...` as its own program. The exact check needs FLINT,
// GMP and their libraries; keeping them out of korvel-cli keeps its other commands fast.
// korvel-cli starts this program from its own folder for `check`, with the same arguments.
#include "base/file_names.h"
#include "cli/check_command.h"
#include "cli/cli_commands.h"

#include <QStringList>

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) != "check") return korvel::cli::Print_Usage(std::cerr);
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments.append(korvel::Decode_File_Name(argv[i]));
    return korvel::cli::Run_Check(arguments, std::cout, std::cerr);
}
