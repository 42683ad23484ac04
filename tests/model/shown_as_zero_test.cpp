// Solution values that the entry screen's three decimals show as 0 though they are not 0.
#include "model/shown_as_zero.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <vector>

using namespace korvel;

TEST(ShownAsZero, NamesTheFirstHiddenValueAndCountsTheRest) {
    QLocale::setDefault(QLocale::c());
    const QString names[] = {QString(), QStringLiteral("Fx"), QStringLiteral("Fy"),
                             QStringLiteral("M")};
    struct Case {
        std::vector<double> x; // x[1..3]
        QString expected;      // the start of the note; empty for none
    };
    const Case cases[] = {
        {{1, 0, 2.5}, {}},          // an exact 0 is no surprise
        {{1, 0.0005, -0.0005}, {}}, // shown as 0.001 and -0.001
        {{1, -1.2345678e-05, 2}, "Fy shows as 0 but is -1.2345678e-05;"},
        {{4e-300, 0, 0.00049}, "2 values show as 0 but are not 0 (Fx is 4e-300)"},
    };
    for (const Case& c : cases) {
        double x[4] = {0, c.x[0], c.x[1], c.x[2]};
        const QString note = Shown_As_Zero_Note(3, x, names);
        if (c.expected.isEmpty())
            EXPECT_TRUE(note.isEmpty()) << note.toStdString();
        else
            EXPECT_TRUE(note.startsWith(c.expected)) << note.toStdString();
    }
}
