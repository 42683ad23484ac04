#include "screens/shell/dialogs.h"

#include "base/runtime_error.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace korvel {

namespace {
DialogService* g_service = nullptr;

// "Description (*.x)|*.x|All (*.*)|*.*|" as Qt writes it: "Description (*.x);;All (*.*)".
// A bare pattern such as "*.kvl" is used as it is.
QString Qt_Filter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2) return filter.trimmed();
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        entries << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString Existing_Folder(const QString& folder) {
    return QDir(folder).exists() ? folder : QDir::homePath();
}
} // namespace

void Set_Dialog_Service(DialogService* service) {
    g_service = service;
}

DialogService& Dialogs() {
    static QtDialogService qt;
    return g_service ? *g_service : qt;
}

QString QtDialogService::Open_File_Name(const QString& title, const QString& filter,
                                        const QString& folder) {
    const QString name = QFileDialog::getOpenFileName(QApplication::activeWindow(), title,
                                                      Existing_Folder(folder), Qt_Filter(filter));
    if (name.isEmpty()) throw RuntimeError(Err::Cancel);
    return name;
}

QString QtDialogService::Save_File_Name(const QString& title, const QString& filter,
                                        const QString& folder, const QString& suggestedName) {
    const QString start = QDir(Existing_Folder(folder)).filePath(suggestedName);
    const QString name =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), title, start, Qt_Filter(filter));
    if (name.isEmpty()) throw RuntimeError(Err::Cancel);
    return name;
}

void QtDialogService::Choose_Printer(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) throw RuntimeError(Err::Cancel);
}

} // namespace korvel
