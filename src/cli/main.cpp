// korvel-cli: solves Korvel's equation sets from the command line, for scripts and batches.
#include "cli/cli_commands.h"

#include <QCoreApplication>
#include <QStringList>

#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return korvel::cli::Run(arguments, std::cout, std::cerr);
}
