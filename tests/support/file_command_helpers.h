// Helpers shared by the tests of the home screen's file commands.
#pragma once

#include "model/mod_matrix.h"
#include "model/solve_equations.h"
#include "screens/shell/model_screens.h"
#include "session/show_results.h"
#include "support/scripted_messages.h"

#include <QByteArray>
#include <QFile>
#include <QTimer>
#include <QtTest>

namespace korvel::testing {

// The bytes of a file; empty when it cannot be read.
inline QByteArray File_Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The entry screen opens after a file has been read: close it again when it shows.
inline void Close_Entry_Screen_When_Shown() {
    QTimer::singleShot(0, [] {
        QTRY_VERIFY(Matrix_Screen()->isVisible());
        Matrix_Screen()->hide();
    });
}

// Solves the system in the model, as Solve does, with its messages kept quiet.
inline void Solve_Default() {
    Load_C_Work(Num_Equations);
    ScriptedMessages quiet;
    Show_Solve_Result(Solve_Equations());
    QVERIFY2(Solved, qPrintable(QStringLiteral("n=%1 err=%2 a11=%3 msgs=%4")
                                    .arg(Num_Equations)
                                    .arg(Solve_Error)
                                    .arg(A_Matrix[1][1])
                                    .arg(quiet.shown.empty() ? QString() : quiet.shown[0].text)));
}

} // namespace korvel::testing
