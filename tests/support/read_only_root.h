// A root of the registry store that an ordinary user may read but not write, made with
// permission bits, as the user meets it: with its file present, the file refuses writing
// (the other roots in the same folder stay writable); with no file, its folder refuses
// (and so does every root kept there). Root ignores the bits: a test that needs them skips
// itself unless Permission_Bits_Bind(), and CTest runs it as an unprivileged user
// (tests/support/run_unprivileged.sh).
#pragma once

#include "platform/registry_store.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryFile>

#include <cstdint>

namespace korvel::testing {

// Whether permission bits stop this user from writing (not so for root).
inline bool Permission_Bits_Bind() {
    QTemporaryFile file;
    if (!file.open()) return false;
    file.close();
    QFile::setPermissions(file.fileName(), QFile::ReadOwner);
    QFile probe(file.fileName());
    const bool bind = !probe.open(QIODevice::Append);
    QFile::setPermissions(file.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    return bind;
}

// The root's file, made if missing with the header alone, loses its write bits.
inline void Make_Root_File_Read_Only(int32_t root) {
    const QString path = Root_File_Path(root);
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("Windows Registry Editor Version 5.00\r\n\r\n");
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

// The folder of the roots loses its write bits.
inline void Make_Root_Folder_Read_Only(int32_t root) {
    QFile::setPermissions(QFileInfo(Root_File_Path(root)).absolutePath(),
                          QFile::ReadOwner | QFile::ExeOwner);
}

// Gives the root's file and folder their write bits back.
inline void Make_Root_Writable(int32_t root) {
    const QString path = Root_File_Path(root);
    QFile::setPermissions(QFileInfo(path).absolutePath(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (QFileInfo::exists(path))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                        QFile::ReadOther);
}

} // namespace korvel::testing
