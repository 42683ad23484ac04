#include "reports/json_text.h"

#include "text/shortest_text.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QVariant>

#include <cmath>

namespace korvel {

namespace {

void Write(QByteArray& out, const QJsonValue& value);

// A string in quotes, with what JSON requires escaped; everything else as UTF-8.
void Write_String(QByteArray& out, const QString& text) {
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20)
                out += "\\u00" + QByteArray::number(byte, 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    out += '"';
}

void Write_Number(QByteArray& out, const QJsonValue& value) {
    // A value made from an integer keeps it as an integer, beyond 2^53 included.
    if (value.toVariant().typeId() == QMetaType::LongLong) {
        out += QByteArray::number(value.toInteger());
        return;
    }
    const double number = value.toDouble();
    if (std::isfinite(number))
        out += Shortest_Text(number).toLatin1();
    else
        out += "null";
}

void Write(QByteArray& out, const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        out += "null";
        return;
    case QJsonValue::Bool:
        out += value.toBool() ? "true" : "false";
        return;
    case QJsonValue::Double:
        Write_Number(out, value);
        return;
    case QJsonValue::String:
        Write_String(out, value.toString());
        return;
    case QJsonValue::Array: {
        out += '[';
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (i > 0) out += ',';
            Write(out, array[i]);
        }
        out += ']';
        return;
    }
    case QJsonValue::Object: {
        out += '{';
        const QJsonObject object = value.toObject();
        bool first = true;
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!first) out += ',';
            first = false;
            Write_String(out, it.key());
            out += ':';
            Write(out, it.value());
        }
        out += '}';
        return;
    }
    }
}

} // namespace

QByteArray Compact_Json(const QJsonValue& value) {
    QByteArray out;
    Write(out, value);
    return out;
}

} // namespace korvel
