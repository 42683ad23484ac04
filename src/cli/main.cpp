// korvel-cli: solves, exports and prints Korvel's equation sets from the command line, for
// scripts and batches.
#include "cli/cli_commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include <unistd.h>

namespace {

// `print` needs Qt Gui, which would more than double the start-up time of every command, so
// it runs in korvel-cli-print beside this program; `check` needs FLINT and runs in
// korvel-cli-check for the same reason. Each gets the same command line in its place, with
// the same output and exit status.
int Hand_Over_To(const char* program, char** argv) {
    const QByteArray path = QFile::encodeName(QCoreApplication::applicationDirPath() +
                                              QLatin1Char('/') + QLatin1String(program));
    argv[0] = const_cast<char*>(path.constData());
    execv(path.constData(), argv);
    std::cerr << "korvel-cli: cannot start " << path.constData() << ": " << std::strerror(errno)
              << '\n';
    return korvel::cli::ExitCode::FileError;
}

} // namespace

int main(int argc, char** argv) {
    for (const char* command : {"print", "check"}) {
        if (argc > 1 && std::string(argv[1]) == command) {
            QCoreApplication app(argc, argv); // for its folder
            return Hand_Over_To((std::string("korvel-cli-") + command).c_str(), argv);
        }
    }
    // The commands need no event loop and no application object; leaving it out saves a
    // tenth of the start-up time.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return korvel::cli::Run(arguments, std::cout, std::cerr);
}
