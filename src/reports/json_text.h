// JSON text whose numbers are the very doubles they stand for. QJsonDocument writes a double
// in its own form, which for a whole number above 2^53 is another integer
// (-43234556422756768 comes out as -43234556422756770); here every number is written in the
// shortest text that reads back to the same double, as the tab-separated output writes it.
#pragma once

#include <QByteArray>
#include <QJsonValue>

namespace korvel {

// value as compact JSON (no blanks, object keys in QJsonObject's order), UTF-8. Integers
// are written as integers, doubles in the shortest round-trip form ("0.1", "1e+300",
// "-43234556422756768"), non-finite doubles as null (JSON has no infinity or NaN).
QByteArray Compact_Json(const QJsonValue& value);

} // namespace korvel
