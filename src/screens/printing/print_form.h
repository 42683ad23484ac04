// Printing an image of a screen, as it looks, on one page of the chosen printer.
#pragma once

#include <QString>

class QWidget;
class QPrinter;

namespace korvel {

// Paints form's picture scaled to fit the printable page (keeping its proportions).
// Throws RuntimeError when the printer cannot be used.
void Print_Form_Image(QWidget* form, QPrinter& printer);

// The whole Print Form command of a screen: asks Confirm_Direct_Print; on Yes, shows the
// printer dialog and prints the screen's image. Cancel ends it silently; other errors are
// reported with label.
void Print_Form_Command(QWidget* form, const QString& label);

} // namespace korvel
