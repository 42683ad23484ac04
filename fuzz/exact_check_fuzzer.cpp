// libFuzzer target for the exact check: Check_System on any system of finite doubles, with
// or without an answer beside it, and the check written as korvel-cli writes it.
//
// The first byte gives n (1..16) and whether an answer follows; then come the coefficients
// row by row, the constants and the answer. Each value is one byte below 0x80, a small
// whole number (byte - 64, so that singular systems come up often), or a byte from 0x80 up
// followed by the 8 bytes of a double (infinities and NaN read as 0: the model never holds
// them). Missing bytes read as 0.
//
// Besides what the sanitizers catch: the ranks agree with the kind of solution, a unique
// solution has a condition number of at least 1, every digit count is 0..17 and 17 only for
// the nearest double, and the JSON text is valid JSON. The worked solution of the same
// system (up to 6 equations), by either pivot rule, reaches the check's kind of solution and
// its exact values, and a determinant of 0 exactly when there is no unique solution.
#include "model/exact_check.h"
#include "model/worked_solution.h"
#include "reports/check_json.h"
#include "reports/check_report.h"
#include "reports/check_summary.h"
#include "reports/exact_text.h"
#include "reports/json_text.h"
#include "reports/worked_text.h"

#include <QJsonDocument>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Fail(const char* why) {
    std::fprintf(stderr, "exact_check_fuzzer: %s\n", why);
    std::abort();
}

struct Reader {
    const uint8_t* data;
    size_t size;

    uint8_t Byte() {
        if (size == 0) return 0x40; // reads as 0
        --size;
        return *data++;
    }
    double Value() {
        const uint8_t tag = Byte();
        if (tag < 0x80) return double(int(tag) - 64);
        uint8_t bytes[8] = {};
        for (uint8_t& b : bytes)
            b = size > 0 ? Byte() : 0;
        double value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return std::isfinite(value) ? value : 0;
    }
};

void Check_Invariants(const korvel::ExactCheck& check, int n, const double* answer) {
    using korvel::SolutionKind;
    if (check.rank < 0 || check.rank > n) Fail("rank outside 0..n");
    if (check.rankAugmented != check.rank && check.rankAugmented != check.rank + 1)
        Fail("rank of [A | C] is neither rank nor rank + 1");
    if ((check.kind == SolutionKind::Unique) != (check.rank == n)) Fail("unique but singular");
    if ((check.kind == SolutionKind::None) != (check.rankAugmented > check.rank))
        Fail("no solution, but the ranks agree");
    if (check.kind == SolutionKind::Infinite && (int(check.general.size()) != check.rank ||
                                                 int(check.freeUnknowns.size()) != n - check.rank))
        Fail("general solution of the wrong size");
    if (check.kind == SolutionKind::Unique &&
        (!check.condition || !(check.condition->nearest >= 1) ||
         check.condition->rounded.isEmpty()))
        Fail("a unique solution without a condition number of at least 1");
    if (answer && (!check.residual || !(check.residual->nearest >= 0)))
        Fail("an answer without a residual");
    for (int j = 1; j <= n; ++j) {
        const korvel::ExactUnknown& unknown = check.unknowns[size_t(j - 1)];
        if (!unknown.correctDigits) continue;
        const int digits = *unknown.correctDigits;
        if (digits < 0 || digits > 17) Fail("correct digits outside 0..17");
        // No two doubles lie within 1e-17 of one value: 17 digits is its nearest double.
        if (digits == 17 && unknown.exact != QLatin1String("0") &&
            answer[j] != korvel::Nearest_Double(unknown.exact))
            Fail("17 correct digits, but not the nearest double");
    }
}

void Check_Worked(const korvel::ExactCheck& check, int n, const double (*a)[korvel::Array_Size],
                  const double* c, const QString* names) {
    using namespace korvel;
    for (PivotRule rule : {PivotRule::FirstNonZero, PivotRule::LargestMagnitude}) {
        const WorkedSolution worked = Work_System(n, a, c, rule);
        if (worked.kind != check.kind) Fail("the working and the check disagree on the kind");
        if ((worked.determinant == QLatin1String("0")) != (check.kind != SolutionKind::Unique))
            Fail("a determinant of 0 with a unique solution, or the other way round");
        for (int j = 0; worked.kind == SolutionKind::Unique && j < n; ++j)
            if (worked.solution[size_t(j)] != check.unknowns[size_t(j)].exact)
                Fail("the working and the check reach different values");
        for (WorkedFormat format :
             {WorkedFormat::Text, WorkedFormat::Latex, WorkedFormat::Markdown})
            Worked_Solution_Text(worked, names, format);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korvel;
    Reader in{data, size};
    const uint8_t first = in.Byte();
    const int n = 1 + first % Max_Equations;
    const bool answered = (first & 0x80) != 0;
    static double a[Array_Size][Array_Size], c[Array_Size], x[Array_Size];
    std::memset(a, 0, sizeof a);
    std::memset(c, 0, sizeof c);
    std::memset(x, 0, sizeof x);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            a[i][j] = in.Value();
    for (int i = 1; i <= n; ++i)
        c[i] = in.Value();
    for (int j = 1; answered && j <= n; ++j)
        x[j] = in.Value();

    const ExactCheck check = Check_System(n, a, c, answered ? x : nullptr);
    Check_Invariants(check, n, answered ? x : nullptr);

    QString names[Array_Size];
    for (int i = 1; i <= n; ++i)
        names[i] = QStringLiteral("Y %1").arg(i);
    Check_Text(check, names);
    // The working of a large system takes a hundred times as long as its check: small
    // systems keep the fuzzer's pace on the check itself.
    if (n <= 6) Check_Worked(check, n, a, c, names);
    Check_Report_Text(check, names);
    QJsonParseError error;
    QJsonDocument::fromJson(Compact_Json(Check_Report_Json(check, names)), &error);
    if (error.error != QJsonParseError::NoError) Fail("the JSON text is not valid JSON");
    return 0;
}
