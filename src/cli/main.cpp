// korvel-cli: solves, exports and prints Korvel's equation sets from the command line, for
// scripts and batches.
#include "cli/cli_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <iostream>
#include <memory>

#include <unistd.h>

namespace {

// Printing to PDF needs fonts, not a display: the offscreen platform, and a private
// runtime folder where none is set (as under cron or ssh) so Qt has nothing to warn about.
void Prepare_For_Printing() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString folder = QDir::temp().filePath(QStringLiteral("korvel-runtime-%1").arg(getuid()));
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", folder.toLocal8Bit());
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool printing = argc > 1 && std::string(argv[1]) == "print";
    std::unique_ptr<QCoreApplication> app;
    if (printing) {
        Prepare_For_Printing();
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return korvel::cli::Run(arguments, std::cout, std::cerr);
}
