// Reads the records of a model file: one value per line (a comma also ends an unquoted
// value), lines ended by CR LF or a bare LF.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace korvel {

class RecordReader {
  public:
    explicit RecordReader(QString content);

    // The text between the record's first and last double quote (so quotes inside a text
    // survive), or, without quotes, up to a comma or the line end, leading blanks skipped.
    QString Read_Text();
    // A real in invariant form (".5", "-2", "1E+20", "0.5"). Anything else is a type
    // mismatch (13); beyond the float range an overflow (6).
    double Read_Real();
    // A whole number in -32768..32767; outside it an overflow (6).
    int16_t Read_Integer();

    // True when no further record remains (blank trailing lines do not count).
    bool At_End() const;

    // The number of the record read last or being read (1 for the first), so that an
    // error can say where it happened.
    int Record_Number() const { return record_; }
    // The line (1 for the first) on which that record starts, or after whose end it was
    // wanted at the end of the content. One record per line, but a comma also ends an
    // unquoted one, so they can differ.
    int Line_Number() const { return recordLine_; }

  private:
    QStringView Next_Field(bool* quoted);
    QString content_;
    qsizetype pos_ = 0;
    int record_ = 0;
    int line_ = 1; // the line at pos_
    int recordLine_ = 0;
};

} // namespace korvel
