// Leading-number reading over a wide table of inputs, and its failure.
#include "base/runtime_error.h"
#include "text/leading_number.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <random>

using namespace korvel;

TEST(LeadingNumber, Table) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"", 0},
        {u"   ", 0},
        {u"abc", 0},
        {u"12", 12},
        {u" 12 ", 12},
        {u"1 2 3", 123},
        {u"1\t2\n3", 123},
        {u"-5", -5},
        {u"+5", 5},
        {u"- 5", -5},
        {u"--5", 0},
        {u"+-5", 0},
        {u"1,5", 1},
        {u"1.5.3", 1.5},
        {u".5", 0.5},
        {u"-.25", -0.25},
        {u"5.", 5},
        {u".", 0},
        {u"-", 0},
        {u"-.", 0},
        {u"2.5e1", 25},
        {u" 2.5e1 ", 25},
        {u"2.5 E 1", 25},
        {u"2.5E+1", 25},
        {u"2.5E-1", 0.25},
        {u"1D2", 100},
        {u"1d-2", 0.01},
        {u"1E", 1},
        {u"1E+", 1},
        {u"1Ex", 1},
        {u"3x", 3},
        {u"12abc34", 12},
        {u"1e-400", 0},
        {u"&HFF", 255},
        {u"&hff", 255},
        {u"&H7FFF", 32767},
        {u"&HFFFF", -1},
        {u"&H10000", 65536},
        {u"&HFFFFFFFF", -1},
        {u"&H", 0},
        {u"&HG", 0},
        {u"&O17", 15},
        {u"&o777", 511},
        {u"&O8", 0},
        {u"&X12", 0},
        {u"&", 0},
        {u"\r5", 0},
        {u"٣", 0}, // digits of other scripts are not digits here
        {u"5٣", 5},
        {u"1e308", 1e308},
        {u"0.000000000000000000001", 1e-21},
        {u"123456789012345678901234567890", 123456789012345678901234567890.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Leading_Number(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(LeadingNumber, DecimalCommaLocaleStillReadsAPoint) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Leading_Number(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(Leading_Number(QStringLiteral("1,5")), 1);
    QLocale::setDefault(saved);
}

TEST(LeadingNumber, BeyondTheFloatRangeIsAnOverflow) {
    for (const char* text :
         {"1e400", "-1e309", "9e99999999999999999999", "&H100000000", "&O77777777777777"}) {
        try {
            Leading_Number(QString::fromLatin1(text));
            ADD_FAILURE() << text;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), Err::Overflow) << text;
        }
    }
}

TEST(LeadingNumber, LongAndRandomTextNeverFails) {
    EXPECT_EQ(Leading_Number(QString(100000, QLatin1Char('7')).prepend(QLatin1String("-."))),
              -0.7777777777777778);
    std::mt19937 random(99);
    const QString alphabet = QStringLiteral("0123456789+-.eEdD&HhOo \t\nx,é");
    std::uniform_int_distribution<int> pick(0, alphabet.size() - 1), length(0, 30);
    for (int i = 0; i < 50000; ++i) {
        QString text;
        for (int n = length(random); n > 0; --n)
            text += alphabet[pick(random)];
        try {
            const double v = Leading_Number(text);
            EXPECT_FALSE(std::isnan(v));
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), Err::Overflow);
        }
    }
}

// Whatever the reading passes over is reported; a text that is only a number (blanks
// anywhere, any of the forms above) reports nothing.
TEST(LeadingNumber, UnreadTextIsWhatTheReadingIgnored) {
    const struct {
        const char* text;
        const char* unread;
    } cases[] = {
        {"1,5", ",5"},   {"12 kN", "kN"},   {"O.5", "O.5"},  {"abc", "abc"},
        {"", ""},        {"  -2.5e3 ", ""}, {"1 000", ""},   {"1E", "E"},
        {"1D+2", ""},    {"&HFF", ""},      {"&HFFg", "g"},  {"&X1", "&X1"},
        {"3\t\n", ""},   {"- 4", ""},       {"1.2.3", ".3"}, {"2 x 3", "x 3"},
        {"1e5kg", "kg"}, {".5.", "."},      {"+", "+"},      {"7\xc2\xb0", "\xc2\xb0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Unread_Text(QString::fromUtf8(c.text)), QString::fromUtf8(c.unread)) << c.text;
}
