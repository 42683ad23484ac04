// Solution values that the entry screen's three decimals show as 0 though they are not 0.
#include "model/shown_as_zero.h"

#include <QLocale>
#include <array>
#include <gtest/gtest.h>

using namespace korvel;

TEST(ShownAsZero, NamesTheFirstHiddenValueAndCountsTheRest) {
    QLocale::setDefault(QLocale::c());
    const QString names[] = {{}, QStringLiteral("Fx"), QStringLiteral("Fy"), QStringLiteral("M")};
    const std::pair<std::array<double, 4>, const char*> cases[] = {
        {{0, 1, 0, 2.5}, ""},          // an exact 0 is no surprise
        {{0, 1, 0.0005, -0.0005}, ""}, // shown as 0.001 and -0.001
        {{0, 1, -1.2345678e-05, 2}, "Fy shows as 0 but is -1.2345678e-05;"},
        {{0, 4e-300, 0, 0.00049}, "2 values show as 0 but are not 0 (Fx is 4e-300)"}};
    for (const auto& [x, expected] : cases) {
        const QString note = Shown_As_Zero_Note(3, x.data(), names);
        EXPECT_TRUE(*expected ? note.startsWith(QLatin1String(expected)) : note.isEmpty())
            << note.toStdString();
    }
}
