#include "text/shortest_text.h"

#include <charconv>

namespace korvel {

std::string Shortest_Text(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

QString Shortest_QText(double value) {
    return QString::fromStdString(Shortest_Text(value));
}

} // namespace korvel
