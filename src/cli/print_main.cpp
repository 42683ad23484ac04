// korvel-cli-print: `korvel-cli print FILE.kvl OUT.pdf` as its own program. Printing needs
// Qt Gui and its 29 libraries; keeping them out of korvel-cli keeps its other commands fast.
// korvel-cli starts this program for `print` (from beside itself, or from libexec/korvel
// once installed), with the same arguments.
#include "base/file_names.h"
#include "cli/cli_commands.h"
#include "reports/pdf_report.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <iostream>

#include <unistd.h>

namespace {

// Printing to PDF needs fonts, not a display: the offscreen platform, and a private
// runtime folder where none is set (as under cron or ssh) so Qt has nothing to warn about.
void Prepare_For_Printing() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString folder =
            QDir::temp().filePath(QStringLiteral("korvel-runtime-%1").arg(getuid()));
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", folder.toLocal8Bit());
    }
}

} // namespace

int main(int argc, char** argv) {
    Prepare_For_Printing();
    QGuiApplication app(argc, argv);
    // The arguments left once Qt has taken its own, by their bytes: Qt would replace those
    // of a file name that are not UTF-8.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(korvel::Decode_File_Name(argv[i]));
    return korvel::cli::Run(arguments, std::cout, std::cerr, korvel::Write_Pdf_Report);
}
