// The plain-number shape that model files and pasted tables are checked against, compared
// with the same shape written as a regular expression over every short text of the
// characters that matter.
#include "text/plain_number.h"

#include <gtest/gtest.h>

#include <QString>

#include <regex>
#include <string>

using namespace korvel;

namespace {

bool Matches(const std::string& text, const std::regex& shape) {
    return std::regex_match(text, shape);
}

// Calls f with every text of up to `length` characters drawn from `alphabet`.
template <typename F> void For_Every_Text(const std::string& alphabet, int length, F f) {
    std::string text;
    const auto grow = [&](auto& self, int left) -> void {
        f(text);
        if (left == 0) return;
        for (char c : alphabet) {
            text.push_back(c);
            self(self, left - 1);
            text.pop_back();
        }
    };
    grow(grow, length);
}

} // namespace

TEST(PlainNumber, AgreesWithTheRegularExpressionOnEveryShortText) {
    const std::regex pointShape(R"([+-]?(\d+\.?\d*|\.\d+)([EeDd][+-]?\d+)?)");
    const std::regex commaShape(R"([+-]?(\d+,?\d*|,\d+)([eE][+-]?\d+)?)");
    int numbers = 0;
    For_Every_Text("+-.,eD07 ", 6, [&](const std::string& text) {
        const QString q = QString::fromLatin1(text);
        const bool point = Is_Plain_Number(q, u'.', u"EeDd");
        ASSERT_EQ(point, Matches(text, pointShape)) << '"' << text << '"';
        ASSERT_EQ(Is_Plain_Number(q, u',', u"eE"), Matches(text, commaShape)) << '"' << text << '"';
        numbers += point;
    });
    EXPECT_GT(numbers, 1000); // the alphabet does reach numbers
}

TEST(PlainNumber, TakesOnlyAsciiDigits) {
    EXPECT_TRUE(Is_Plain_Number(u"-12.5E+03", u'.', u"E"));
    EXPECT_FALSE(Is_Plain_Number(QString::fromUtf8("\u0661\u0662"), u'.', u"E")); // Arabic-Indic
    EXPECT_FALSE(Is_Plain_Number(QString::fromUtf8("\uff11"), u'.', u"E"));       // fullwidth 1
    EXPECT_FALSE(Is_Plain_Number(u"1.5\n", u'.', u"E"));
}
