// Run-time errors: an exception that carries the error number and its description,
// and the catalogue of descriptions for the numbers this program can meet.
#pragma once

#include <QString>

#include <cstdint>
#include <exception>
#include <string>

namespace korvel {

// Error numbers of the standard catalogue that the program meets, plus its own.
namespace Err {
constexpr int32_t InvalidProcedureCall = 5;
constexpr int32_t Overflow = 6;
constexpr int32_t OutOfMemory = 7;
constexpr int32_t SubscriptOutOfRange = 9;
constexpr int32_t DivisionByZero = 11;
constexpr int32_t TypeMismatch = 13;
constexpr int32_t OutOfStack = 28;
constexpr int32_t InternalError = 51;
constexpr int32_t BadFileNameOrNumber = 52;
constexpr int32_t FileNotFound = 53;
constexpr int32_t DeviceIoError = 57;
constexpr int32_t DiskFull = 61;
constexpr int32_t InputPastEndOfFile = 62;
constexpr int32_t BadFileName = 64;
constexpr int32_t DeviceUnavailable = 68;
constexpr int32_t DiskNotReady = 71;
constexpr int32_t PathFileAccessError = 75;
constexpr int32_t PathNotFound = 76;
constexpr int32_t ObjectNotSet = 91;
constexpr int32_t NotSupported = 438;
constexpr int32_t OutOfMemoryAlt = 32678; // reported with its own advice
constexpr int32_t Cancel = 32755;         // the user cancelled a file or printer dialog
constexpr int32_t Registry = -2147221502; // raised by the registry class (0x80040002)
} // namespace Err

// The catalogue text for a standard error number ("Overflow", "Out of memory", ...).
// Numbers without an entry give "Application-defined or object-defined error".
QString Error_Description(int32_t number);

class RuntimeError : public std::exception {
  public:
    // An error of the standard catalogue, described by its catalogue text.
    explicit RuntimeError(int32_t number);
    // An error raised by one of the program's own components, with its own text.
    RuntimeError(int32_t number, QString description, QString source = {});

    int32_t number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const QString& source() const noexcept { return source_; }
    const char* what() const noexcept override { return what_.c_str(); }

  private:
    int32_t number_;
    QString description_;
    QString source_;
    std::string what_;
};

} // namespace korvel
