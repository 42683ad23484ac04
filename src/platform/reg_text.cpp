#include "platform/reg_text.h"

#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <optional>
#include <utility>

namespace korvel {

// ---------------------------------------------------------------- keys and values

QString Fold_Name(const QString& name) {
    return name.toCaseFolded();
}

QString Parent_Key_Path(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QLatin1Char('\\'));
    return cut < 0 ? QString() : path.left(cut);
}

bool Has_Line_Break(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

bool Valid_Key_Path(const QString& path) {
    if (path.isEmpty()) return true;
    if (Has_Line_Break(path)) return false;
    const QStringList names = path.split(QLatin1Char('\\'));
    return std::none_of(names.begin(), names.end(), [](const QString& n) { return n.isEmpty(); });
}

const RegKey* Find_Key(const RootData& data, const QString& path) {
    const auto found = data.keys.find(Fold_Name(path));
    return found == data.keys.end() ? nullptr : &found->second;
}
RegKey* Find_Key(RootData& data, const QString& path) {
    return const_cast<RegKey*>(Find_Key(std::as_const(data), path));
}

RegKey& Ensure_Key(RootData& data, const QString& path, const QDateTime& time) {
    if (RegKey* key = Find_Key(data, path)) return *key;
    if (!path.isEmpty()) Ensure_Key(data, Parent_Key_Path(path), time);
    RegKey& key = data.keys[Fold_Name(path)];
    key.path = path;
    key.lastWrite = time;
    return key;
}

const RegValue* Find_Value(const RegKey& key, const QString& name) {
    const QString folded = Fold_Name(name);
    for (const RegValue& value : key.values)
        if (Fold_Name(value.name) == folded) return &value;
    return nullptr;
}
RegValue* Find_Value(RegKey& key, const QString& name) {
    return const_cast<RegValue*>(Find_Value(std::as_const(key), name));
}

void Put_Value(RegKey& key, RegValue value) {
    if (RegValue* existing = Find_Value(key, value.name)) {
        value.name = existing->name;
        *existing = std::move(value);
    } else {
        key.values.push_back(std::move(value));
    }
}

namespace {

// ---------------------------------------------------------------- the .reg text

const QString Reg_Header = QStringLiteral("Windows Registry Editor Version 5.00");
const QString Old_Reg_Header = QStringLiteral("REGEDIT4");
const QString Last_Write_Comment = QStringLiteral("; last write ");
const QString Class_Comment = QStringLiteral("; class ");
const QString CRLF = QStringLiteral("\r\n");

QString Quote(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('"')) quoted += QLatin1Char('\\');
        quoted += ch;
    }
    return quoted + QLatin1Char('"');
}

// The quoted text that starts at pos; pos ends just after the closing quote. Nothing for
// a text without its closing quote (a line cut short).
std::optional<QString> Read_Quoted(QStringView line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != QLatin1Char('"')) return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] == QLatin1Char('\\') && pos + 1 < line.size()) {
            text += line[++pos];
        } else if (line[pos] == QLatin1Char('"')) {
            ++pos;
            return text;
        } else {
            text += line[pos];
        }
    }
    return std::nullopt;
}

QString Hex_List(const QByteArray& bytes) {
    QStringList pairs;
    for (const char byte : bytes)
        pairs += QStringLiteral("%1").arg(static_cast<uint8_t>(byte), 2, 16, QLatin1Char('0'));
    return pairs.join(QLatin1Char(','));
}

std::optional<QByteArray> Read_Hex_List(QStringView text) {
    QString compact = text.toString();
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    QByteArray bytes;
    if (compact.isEmpty()) return bytes;
    for (const QString& pair : compact.split(QLatin1Char(','))) {
        bool ok = false;
        const uint byte = pair.toUInt(&ok, 16);
        if (!ok || pair.size() > 2) return std::nullopt;
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

// Text that a line of the file cannot hold as it is goes in the platform's hex form of a
// text value: UTF-16, little-endian, with its terminating null.
bool Needs_Hex_Form(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar ch) { return ch.unicode() < 0x20 && ch != QLatin1Char('\t'); });
}

QByteArray Utf16_Bytes(const QString& text) {
    QByteArray bytes;
    for (const QChar ch : text + QChar(0)) {
        bytes += static_cast<char>(ch.unicode() & 0xFF);
        bytes += static_cast<char>(ch.unicode() >> 8);
    }
    return bytes;
}

QString Utf16_Text(const QByteArray& bytes) {
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                            static_cast<uint8_t>(bytes[i + 1]) << 8));
    if (text.endsWith(QChar(0))) text.chop(1);
    return text;
}

QString Data_Text(const RegValue& value) {
    switch (value.type) {
    case REG_SZ:
        if (!Needs_Hex_Form(value.text)) return Quote(value.text);
        return QStringLiteral("hex(1):") + Hex_List(Utf16_Bytes(value.text));
    case REG_DWORD:
        if (value.bytes.size() == 4) {
            uint32_t number = 0;
            for (int i = 3; i >= 0; --i)
                number = number << 8 | static_cast<uint8_t>(value.bytes[i]);
            return QStringLiteral("dword:%1").arg(number, 8, 16, QLatin1Char('0'));
        }
        break;
    case REG_BINARY:
        return QStringLiteral("hex:") + Hex_List(value.bytes);
    default:
        break;
    }
    return QStringLiteral("hex(%1):").arg(value.type, 0, 16) + Hex_List(value.bytes);
}

// A value line: "Name"=... or @=... with text, dword:, hex: or hex(type): data.
std::optional<RegValue> Read_Value_Line(QStringView line) {
    RegValue value;
    qsizetype pos = 0;
    if (line.startsWith(QLatin1Char('@'))) {
        pos = 1;
    } else if (auto name = Read_Quoted(line, pos)) {
        value.name = *name;
    } else {
        return std::nullopt;
    }
    const QStringView rest = line.mid(pos).trimmed();
    if (!rest.startsWith(QLatin1Char('='))) return std::nullopt;
    const QStringView data = rest.mid(1).trimmed();
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype end = 0;
        const auto text = Read_Quoted(data, end);
        if (!text || end != data.size()) return std::nullopt;
        value.text = *text;
        return value;
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QStringView digits = data.mid(6);
        bool ok = false;
        const uint number = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 8) return std::nullopt;
        value.type = REG_DWORD;
        for (int i = 0; i < 4; ++i)
            value.bytes += static_cast<char>(number >> (8 * i) & 0xFF);
        return value;
    }
    std::optional<QByteArray> bytes;
    if (data.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) {
        value.type = REG_BINARY;
        bytes = Read_Hex_List(data.mid(4));
    } else if (data.startsWith(QLatin1String("hex("), Qt::CaseInsensitive)) {
        const qsizetype close = data.indexOf(QLatin1String("):"));
        bool ok = false;
        value.type = close > 4 ? data.mid(4, close - 4).toInt(&ok, 16) : 0;
        if (ok) bytes = Read_Hex_List(data.mid(close + 2));
    }
    if (!bytes) return std::nullopt;
    if (value.type == REG_SZ) {
        if (bytes->size() % 2 != 0) return std::nullopt;
        value.text = Utf16_Text(*bytes);
    } else {
        value.bytes = *bytes;
    }
    return value;
}

// The path below the root that a section's name (between the brackets) gives.
std::optional<QString> Section_Path(QStringView name, const QString& rootName) {
    if (name.compare(rootName, Qt::CaseInsensitive) == 0) return QString();
    if (!name.startsWith(rootName + QLatin1Char('\\'), Qt::CaseInsensitive)) return std::nullopt;
    const QString path = name.mid(rootName.size() + 1).toString();
    return Valid_Key_Path(path) ? std::optional(path) : std::nullopt;
}

bool Is_Hex_Continuation(QStringView line) {
    line = line.trimmed();
    return !line.isEmpty() && std::all_of(line.begin(), line.end(), [](QChar ch) {
        return ch.isDigit() || QStringLiteral("abcdefABCDEF, \t\\").contains(ch);
    });
}

// Lines without their ends and outer blanks; hex data continued on the next line with a
// trailing backslash (as the platform's editor wraps long data) is joined into one.
QStringList Logical_Lines(const QString& text) {
    const QStringList raw = text.split(QLatin1Char('\n'));
    QStringList lines;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QString line = raw[i].trimmed();
        while (line.endsWith(QLatin1Char('\\')) && i + 1 < raw.size() &&
               Is_Hex_Continuation(raw[i + 1])) {
            line.chop(1);
            line += raw[++i].trimmed();
        }
        lines += line;
    }
    return lines;
}

void Read_Comment(RegKey& key, const QString& line) {
    if (line.startsWith(Last_Write_Comment)) {
        const QDateTime time =
            QDateTime::fromString(line.mid(Last_Write_Comment.size()), Qt::ISODateWithMs);
        if (time.isValid()) key.lastWrite = time.toUTC();
    } else if (line.startsWith(Class_Comment)) {
        qsizetype pos = Class_Comment.size();
        if (const auto keyClass = Read_Quoted(line, pos)) key.keyClass = *keyClass;
    }
}

// Sections in the order of the platform's export: a key, then its subkeys, then the
// next key at its level.
QString Sort_Key(const QString& path) {
    return Fold_Name(path).replace(QLatin1Char('\\'), QChar(1));
}

} // namespace

// A line that cannot be read is garbage, a line cut short or a section of another root.
// After an unreadable section line the values that follow belong to no key, so that they
// are never put into the key before it.
RootData Parse_Reg_Text(const QString& text, const QString& rootName,
                        const QDateTime& defaultTime) {
    RootData data;
    Ensure_Key(data, QString(), defaultTime);
    bool headerSeen = false;
    bool contentSeen = false;
    std::optional<QString> section;
    const QStringList lines = Logical_Lines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) continue;
        if (!headerSeen && (line == Reg_Header || line == Old_Reg_Header)) {
            headerSeen = true;
            continue;
        }
        contentSeen = true;
        if (line.startsWith(QLatin1Char(';'))) {
            if (section) Read_Comment(*Find_Key(data, *section), line);
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            section = line.endsWith(QLatin1Char(']'))
                          ? Section_Path(QStringView(line).sliced(1).chopped(1), rootName)
                          : std::nullopt;
            if (section)
                Ensure_Key(data, *section, defaultTime);
            else
                data.damaged = true;
            continue;
        }
        const std::optional<RegValue> value = Read_Value_Line(line);
        // A last line without its line end may have been cut short; only a quoted text
        // shows that it is whole (a number or hex data cut short still looks well-formed).
        const bool maybeCut = i == lines.size() - 1 && !text.endsWith(QLatin1Char('\n')) &&
                              !line.endsWith(QLatin1Char('"'));
        if (section && value && !maybeCut)
            Put_Value(*Find_Key(data, *section), *value);
        else
            data.damaged = true;
    }
    if (contentSeen && !headerSeen) data.damaged = true;
    return data;
}

QString Format_Reg_Text(const RootData& data, const QString& rootName) {
    std::vector<const RegKey*> keys;
    for (const auto& [folded, key] : data.keys)
        if (!folded.isEmpty() || !key.values.empty() || !key.keyClass.isEmpty())
            keys.push_back(&key);
    std::sort(keys.begin(), keys.end(), [](const RegKey* a, const RegKey* b) {
        return Sort_Key(a->path) < Sort_Key(b->path);
    });
    QString text = Reg_Header + CRLF + CRLF;
    for (const RegKey* key : keys) {
        text += QLatin1Char('[') + rootName +
                (key->path.isEmpty() ? QString() : QLatin1Char('\\') + key->path) +
                QLatin1Char(']') + CRLF;
        text += Last_Write_Comment + key->lastWrite.toUTC().toString(Qt::ISODateWithMs) + CRLF;
        if (!key->keyClass.isEmpty()) text += Class_Comment + Quote(key->keyClass) + CRLF;
        for (const RegValue& value : key->values)
            text += (value.name.isEmpty() ? QStringLiteral("@") : Quote(value.name)) +
                    QLatin1Char('=') + Data_Text(value) + CRLF;
        text += CRLF;
    }
    return text;
}

} // namespace korvel
