// korvel-cli: solves, exports and prints Korvel's equation sets from the command line, for
// scripts and batches.
#include "base/file_names.h"
#include "cli/cli_commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <climits>
#include <cstring>
#include <iostream>
#include <string>

#include <unistd.h>

namespace {

// This program's folder, as the kernel names it; empty when it cannot say. Reading the
// link is cheaper than making an application object to ask.
std::string Program_Folder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof path)) return {};
    const std::string file(path, static_cast<size_t>(length));
    return file.substr(0, file.rfind('/'));
}

// Where korvel-cli's helper programs are installed, relative to the folder korvel-cli is
// installed in (set by the install rules; relative, so the installed tree can be moved).
#ifndef KORVEL_HELPERS_FROM_BIN
#define KORVEL_HELPERS_FROM_BIN "../libexec/korvel"
#endif

// `print` needs Qt Gui, which would more than double the start-up time of every command, so
// it runs in korvel-cli-print; `check` and `steps` need FLINT and run in korvel-cli-check for
// the same reason. Each gets the same command line in its place, with the same output and
// exit status. They sit beside this program in the build tree and in the helpers' folder
// once installed.
int Hand_Over_To(const std::string& program, int argc, char** argv) {
    std::string folder = Program_Folder();
    if (folder.empty()) {
        QCoreApplication app(argc, argv);
        folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    }
    const std::string beside = folder + '/' + program;
    std::string path = beside;
    if (access(beside.c_str(), X_OK) != 0)
        path = folder + '/' + KORVEL_HELPERS_FROM_BIN + '/' + program;
    argv[0] = path.data();
    execv(path.c_str(), argv);
    std::cerr << "korvel-cli: cannot start " << path << ": " << std::strerror(errno) << '\n';
    return korvel::cli::ExitCode::FileError;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "print")
        return Hand_Over_To("korvel-cli-print", argc, argv);
    if (argc > 1 && (std::string(argv[1]) == "check" || std::string(argv[1]) == "steps"))
        return Hand_Over_To("korvel-cli-check", argc, argv);
    // The commands need no event loop and no application object; leaving it out saves a
    // tenth of the start-up time.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(korvel::Decode_File_Name(argv[i]));
    return korvel::cli::Run(arguments, std::cout, std::cerr);
}
