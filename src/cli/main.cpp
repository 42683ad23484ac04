// korvel-cli: solves, exports and prints Korvel's equation sets from the command line, for
// scripts and batches.
#include "cli/cli_commands.h"

#include <QGuiApplication>
#include <QStringList>

#include <iostream>

int main(int argc, char** argv) {
    // Printing to PDF needs fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    return korvel::cli::Run(arguments, std::cout, std::cerr);
}
