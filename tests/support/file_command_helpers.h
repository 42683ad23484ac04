// Helpers shared by the tests of the home screen's file commands.
#pragma once

#include "screens/model_screens.h"

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

} // namespace korvel::testing
