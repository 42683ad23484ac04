#include "model/simq.h"

#include "base/messages.h"
#include "base/report_error.h"
#include "model/simq_kernel.h"

namespace korvel {

QString Zero_Pivot_Message(int k) {
    return QStringLiteral("There is a zero value on diagonal in column ") + QString::number(k);
}

void SimQ(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size],
          int16_t& err) {
    err = 1;
    With_Handler(QStringLiteral("SimQ"), [&] {
        const int16_t column = SimQ_Kernel(n, A, C);
        if (column != 0) MsgBox(Zero_Pivot_Message(column), MsgIcon::None, MsgButtons::OK);
        err = column;
    });
}

} // namespace korvel
