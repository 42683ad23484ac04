// What each box of the entry screen is called for a screen reader: the data view names
// the coefficient or constant it holds, the solved view the identity or solution value.
#include "screens/entry/frm_matrix.h"

#include "model/mod_matrix.h"
#include "screens/entry/matrix_box.h"

#include <QLabel>

namespace korvel {

QString frm_Matrix::Spoken_Unknown(int column) const {
    const QString name = lbl_Var2[column]->text();
    return name.trimmed().isEmpty() ? QStringLiteral("unknown %1").arg(column + 1)
                                    : name.simplified();
}

void frm_Matrix::Set_Grid_View(int index, bool solved) {
    if (solvedA_.test(index) == solved) return;
    solvedA_.set(index, solved);
    Name_Grid_Box(index);
}

void frm_Matrix::Set_Constant_View(int row, bool solved) {
    if (solvedC_.test(row) == solved) return;
    solvedC_.set(row, solved);
    Name_Constant_Box(row);
}

void frm_Matrix::Name_Grid_Box(int index) {
    const QString pattern = solvedA_.test(index)
                                ? QStringLiteral("Solved form: coefficient of %1 in equation %2")
                                : QStringLiteral("Coefficient of %1 in equation %2");
    txt_row1[index]->setAccessibleName(
        pattern.arg(Spoken_Unknown(index % Size)).arg(index / Size + 1));
}

void frm_Matrix::Name_Constant_Box(int row) {
    txt_C[row]->setAccessibleName(solvedC_.test(row)
                                      ? QStringLiteral("Solution: %1").arg(Spoken_Unknown(row))
                                      : QStringLiteral("Constant of equation %1").arg(row + 1));
}

} // namespace korvel
