#include "files/model_file.h"

#include "base/app_globals.h"
#include "base/file_errors.h"
#include "base/report_error.h"
#include "base/save_file.h"
#include "files/record_reader.h"
#include "model/entry_view.h"
#include "model/mod_matrix.h"
#include "text/number_text.h"
#include "text/text_decoding.h"

#include <QSaveFile>

#include <cmath>

namespace korvel {

namespace {
const QString CRLF = QStringLiteral("\r\n");
constexpr int Reserved_Records = 10;
} // namespace

QString Text_Record(const QString& text) {
    QString stored = text;
    stored.replace(CRLF, QString(QChar(0x2028)));
    stored.replace(QChar(u'\r'), QChar(0x2028));
    stored.replace(QChar(u'\n'), QChar(0x2028));
    return QLatin1Char('"') + stored + QLatin1Char('"');
}

QString Real_Record(double value) {
    // Rounded to 15 digits, magnitudes above this one would read back beyond the float range
    // (an overflow); they are written rounded towards zero instead.
    constexpr double Largest_15_Digits = 1.79769313486231e308;
    if (std::isfinite(value) && std::abs(value) > Largest_15_Digits)
        value = std::copysign(Largest_15_Digits, value);
    return Number_Digits(value);
}

QByteArray Model_File_Content() {
    Check_Count(Num_Equations);
    QString out;
    auto line = [&out](const QString& record) { out += record + CRLF; };
    line(Text_Record(Program_Name));
    line(Text_Record(Version));
    line(Text_Record(File_Name));
    line(Text_Record(Project_ID));
    line(QString::number(Design_No));
    line(Text_Record(Model_Date));
    line(Text_Record(Model_Time));
    line(QString::number(Num_Equations));
    for (int i = 1; i <= Num_Equations; ++i) {
        for (int j = 1; j <= Num_Equations; ++j)
            line(Real_Record(A_Matrix[i][j]));
        line(Real_Record(C_Vector[i]));
        line(Text_Record(Var_Name[i]));
    }
    for (int k = 0; k < Reserved_Records; ++k)
        line(Text_Record(QString()));
    return out.toUtf8();
}

WriteResult Writefile(QSaveFile& file) {
    try {
        Write_And_Commit(file, Model_File_Content());
        return WriteResult::Done();
    } catch (...) {
        return WriteResult::Failed(Current_Error(std::current_exception()),
                                   QStringLiteral("Writefile"));
    }
}

QString Incompatible_File_Message() {
    return QStringLiteral("This data file is not compatible with this version of ") + Program_Name +
           QStringLiteral(". ");
}

namespace {

// Header and rows of a model body. The count is checked before it becomes the model's,
// so a damaged file never leaves a count the arrays cannot hold.
void Read_Body(RecordReader& in) {
    File_Name = in.Read_Text();
    Project_ID = in.Read_Text();
    Design_No = in.Read_Integer();
    Model_Date = in.Read_Text();
    Model_Time = in.Read_Text();
    const int16_t n = in.Read_Integer();
    if (n < 2 || n > Max_Equations) throw RuntimeError(Err::SubscriptOutOfRange);
    Num_Equations = n;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            A_Matrix[i][j] = in.Read_Real();
        C_Vector[i] = in.Read_Real();
        Var_Name[i] = in.Read_Text();
    }
}

// Runs one reading step; an error becomes the result, labelled and placed at its record.
template <class Step> ReadResult Reading(const QString& label, RecordReader& in, Step&& step) {
    try {
        step();
        return ReadResult::Read();
    } catch (...) {
        return ReadResult::Error(Current_Error(std::current_exception()), label,
                                 in.Record_Number());
    }
}

// The error of a failed read with the file and its place added to the description
// ("Subscript out of range: /home/ann/m.kvl line 8"); its number stays.
ReadResult Placed(ReadResult result, const RecordReader& in, const QString& source) {
    if (result.status != ReadResult::Status::Error) return result;
    QString place = QStringLiteral("line %1").arg(in.Line_Number());
    if (in.Line_Number() != in.Record_Number())
        place += QStringLiteral(", record %1").arg(in.Record_Number());
    if (!source.isEmpty()) place = source + QLatin1Char(' ') + place;
    result.error.description += QStringLiteral(": ") + place;
    return result;
}

} // namespace

ReadResult Read_Matrix(RecordReader& in) {
    // At least one body: a file that ends after its header has no equations.
    return Reading(QStringLiteral("Read_Matrix"), in, [&] {
        do {
            Read_Body(in);
            for (int k = 0; k < Reserved_Records; ++k)
                in.Read_Text();
        } while (!in.At_End());
    });
}

ReadResult Read_Oldfile(RecordReader& in) {
    return Reading(QStringLiteral("Read Oldfile"), in, [&] { Read_Body(in); });
}

ReadResult Readfile(const QByteArray& content, const QString& source) {
    RecordReader in(Decode_File_Text(content));
    QString product, version;
    ReadResult header = Reading(QStringLiteral("Readfile"), in, [&] {
        product = in.Read_Text();
        version = in.Read_Text();
    });
    if (!header.Complete()) return Placed(header, in, source);
    // The model is cleared only once the header has been accepted.
    ReadResult result;
    if (product == Program_Name && version == Version) {
        Clear_Model(Max_Equations);
        result = Placed(Read_Matrix(in), in, source);
    } else if (product == QLatin1String("KORVEL")) {
        return ReadResult::Refused();
    } else {
        Clear_Model(Max_Equations);
        result = Placed(Read_Oldfile(in), in, source);
    }
    const ReadResult shown = Reading(QStringLiteral("Readfile"), in, [] {
        Last_Index = static_cast<int16_t>(Num_Equations - 1);
        Show_A();
        Show_Names();
        Show_C();
    });
    Solved = false;
    return result.Complete() ? shown : result;
}

} // namespace korvel
