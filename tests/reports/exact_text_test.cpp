// The exact check's values, equations and condition numbers as people read them.
#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "reports/exact_text.h"
#include "support/test_system.h"

#include <gtest/gtest.h>

using namespace korvel;

using System = korvel::testing::TestSystem;
using korvel::testing::Rows_System;

TEST(ExactText, GeneralSolutionAndValuesReadAsWritten) {
    QString names[Array_Size];
    for (int i = 1; i <= 3; ++i)
        names[i] = QStringLiteral("Y %1").arg(i);
    const QChar minus(0x2212);
    const System s = Rows_System(2, {{1, 2, 3}, {2, 4, 6}});
    const ExactCheck check = Check_System(2, s.a, s.c, nullptr);
    ASSERT_EQ(check.general.size(), 1u);
    EXPECT_EQ(General_Equation(check.general[0], names),
              QStringLiteral("Y 1 = 3 %1 2\u00B7Y 2").arg(minus));
    // A zero constant is left out, a factor of one is not written, and a leading minus stays.
    const GeneralUnknown only_terms{
        3, QStringLiteral("0"), {{1, QStringLiteral("-1")}, {2, QStringLiteral("1/2")}}};
    EXPECT_EQ(General_Equation(only_terms, names),
              QStringLiteral("Y 3 = %1Y 1 + 1/2\u00B7Y 2").arg(minus));
    EXPECT_EQ(Free_Unknowns_Text({2}, names), QStringLiteral("Y 2 can be chosen freely"));
    EXPECT_EQ(Free_Unknowns_Text({1, 2, 3}, names),
              QStringLiteral("Y 1, Y 2 and Y 3 can be chosen freely"));
    // Twelve digits a side still show as a fraction; thirteen give the rounded decimal.
    EXPECT_EQ(Exact_Display(QStringLiteral("-123456789012/7"), QStringLiteral("r")),
              QStringLiteral("-123456789012/7"));
    EXPECT_EQ(Exact_Display(QStringLiteral("1/1234567890123"), QStringLiteral("r")),
              QStringLiteral("r"));
    EXPECT_EQ(Condition_Text(12.4), QStringLiteral("12"));
    EXPECT_EQ(Condition_Text(3.4e5), QStringLiteral("3.4E+05"));
}
