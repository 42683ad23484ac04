// korvel-cli-check: `korvel-cli check ...` and `korvel-cli steps ...` as their own program.
// Exact arithmetic needs FLINT, GMP and their libraries; keeping them out of korvel-cli
// keeps its other commands fast.
// korvel-cli starts this program for them (from beside itself, or from libexec/korvel once
// installed), with the same arguments.
#include "base/file_names.h"
#include "cli/check_command.h"
#include "cli/cli_commands.h"
#include "cli/steps_command.h"
#include "model/exact_check.h"

#include <QStringList>

#include <iostream>
#include <string>

#include <unistd.h>

int main(int argc, char** argv) {
    const std::string command = argc < 2 ? std::string() : std::string(argv[1]);
    if (command != "check" && command != "steps") return korvel::cli::Print_Usage(std::cerr);
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments.append(korvel::Decode_File_Name(argv[i]));
    const int code =
        command == "steps"
            ? korvel::cli::Run_Steps(arguments, std::cout, std::cerr)
            : korvel::cli::Run_Check(arguments, std::cout, std::cerr,
                                     {isatty(STDERR_FILENO) == 1, isatty(STDOUT_FILENO) == 1});
    korvel::Release_Exact_Caches();
    return code;
}
