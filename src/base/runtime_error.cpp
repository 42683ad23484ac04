#include "base/runtime_error.h"

namespace korvel {

QString Error_Description(int32_t number) {
    switch (number) {
    case Err::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case Err::Overflow:
        return QStringLiteral("Overflow");
    case Err::OutOfMemory:
        return QStringLiteral("Out of memory");
    case Err::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case Err::DivisionByZero:
        return QStringLiteral("Division by zero");
    case Err::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case Err::OutOfStack:
        return QStringLiteral("Out of stack space");
    case Err::InternalError:
        return QStringLiteral("Internal error");
    case Err::BadFileNameOrNumber:
        return QStringLiteral("Bad file name or number");
    case Err::FileNotFound:
        return QStringLiteral("File not found");
    case Err::DeviceIoError:
        return QStringLiteral("Device I/O error");
    case Err::DiskFull:
        return QStringLiteral("Disk full");
    case Err::InputPastEndOfFile:
        return QStringLiteral("Input past end of file");
    case Err::BadFileName:
        return QStringLiteral("Bad file name");
    case Err::DeviceUnavailable:
        return QStringLiteral("Device unavailable");
    case Err::DiskNotReady:
        return QStringLiteral("Disk not ready");
    case Err::PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case Err::PathNotFound:
        return QStringLiteral("Path not found");
    case Err::ObjectNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case Err::NotSupported:
        return QStringLiteral("Object doesn't support this property or method");
    case Err::Cancel:
        return QStringLiteral("Cancel was selected.");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError::RuntimeError(int32_t number) : RuntimeError(number, Error_Description(number)) {}

RuntimeError::RuntimeError(int32_t number, QString description, QString source)
    : number_(number), description_(std::move(description)), source_(std::move(source)),
      what_(QStringLiteral("Error %1 (%2)").arg(number).arg(description_).toStdString()) {}

} // namespace korvel
