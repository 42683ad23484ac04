#include "screens/shell/program_icon.h"

#include <QApplication>

namespace korvel {

QIcon Program_Icon() {
    // PNG renderings of data/io.github.korvel.Korvel.svg: Qt reads PNG without a plugin,
    // and SVG only with the Qt SVG module, which the program does not otherwise need.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/io.github.korvel.Korvel-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

void Set_Program_Icon() {
    QApplication::setWindowIcon(Program_Icon());
}

} // namespace korvel
