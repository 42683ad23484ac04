#include "screens/start/disclaimer_texts.h"

namespace korvel {

namespace {

QString General_Disclaimer(const QString& name) {
    return name +
           QStringLiteral(
               " is provided \"as is\", without warranty of any kind, express or implied, "
               "including the warranties of merchantability, fitness for a particular purpose "
               "and non-infringement. The whole risk as to the quality and performance of the "
               "program and of the results it calculates lies with you. In no event shall the "
               "authors be liable for any claim, damages or other liability, whether in "
               "contract, tort or otherwise, arising from the use of the program or of its "
               "results.");
}

QString General_Support(const QString& name) {
    return QStringLiteral("The Help menu of the Home Screen explains every screen of ") + name +
           QStringLiteral(
               ", the File menu and copying to the clipboard. To report a problem, write down "
               "the message the program showed (the error number and where it occurred), keep "
               "the model file you were working on, note what you did just before, and send "
               "them to the team named below.");
}

DisclaimerTexts Korvel_Texts() {
    const QString name = QStringLiteral("KORVEL");
    return {General_Disclaimer(name),
            QStringLiteral(
                "KORVEL solves A\u00B7x = C by Gaussian elimination with partial pivoting in "
                "64-bit floating point. A system that is singular is refused with a message; "
                "one that is nearly singular can give results with few correct digits. Check "
                "every solution, for instance by putting it back into your equations, before "
                "you use it in a design, a report or any decision where an error could cause "
                "loss, damage or injury."),
            General_Support(name),
            QStringLiteral("Contact: the Korvel team, through whoever gave you this copy"),
            QStringLiteral("KORVEL solves systems of up to 16 simultaneous linear equations")};
}

} // namespace

DisclaimerTexts Disclaimer_Texts(const QString& programName) {
    if (programName == QLatin1String("KORVEL")) return Korvel_Texts();
    const QString name =
        programName.trimmed().isEmpty() ? QStringLiteral("This program") : programName;
    return {General_Disclaimer(name),
            QStringLiteral("Check every result it calculates before you rely on it."),
            General_Support(name), QStringLiteral("Contact: the authors of ") + name,
            name + QStringLiteral(" is an engineering program.")};
}

} // namespace korvel
