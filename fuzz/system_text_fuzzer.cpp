// libFuzzer target for system text files: the block reading and the import reader on
// arbitrary bytes.
//
// Besides what the sanitizers catch, a system read must have a count of 2..16 and finite
// numbers, and written back as tab-separated text in the shortest round-trip form it must
// read as the same system.
#include "files/system_import.h"
#include "text/number_table.h"
#include "text/shortest_text.h"
#include "text/text_decoding.h"

#include <QByteArray>

#include <bit>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* why) {
    std::fprintf(stderr, "system_text_fuzzer: %s\n", why);
    std::abort();
}

QString As_Tsv(const korvel::ImportedSystem& system) {
    QString text;
    for (int i = 0; i < system.n; ++i) {
        for (int j = 0; j < system.n; ++j)
            text += korvel::Shortest_Text(system.a[i][j]) + QChar(9);
        text += korvel::Shortest_Text(system.c[i]) + QChar(10);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korvel;
    const QString text = Decode_File_Text(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    Split_Number_Table(text); // as a paste reads it
    const SystemImport import = Parse_System_Text(text, QStringLiteral("f.csv"));
    if (!import.result.Complete()) {
        if (import.result.error.label != QLatin1String("Import"))
            Fail("an error without its label");
        return 0;
    }
    const ImportedSystem& system = import.system;
    if (system.n < 2 || system.n > Max_Equations) Fail("count of equations outside 2..16");
    for (int i = 0; i < system.n; ++i) {
        for (int j = 0; j < system.n; ++j)
            if (!std::isfinite(system.a[i][j])) Fail("a coefficient that is not finite");
        if (!std::isfinite(system.c[i])) Fail("a constant that is not finite");
    }
    const SystemImport again = Parse_System_Text(As_Tsv(system), QStringLiteral("f.tsv"));
    if (!again.result.Complete() || again.system.n != system.n) Fail("written back, it is refused");
    for (int i = 0; i < system.n; ++i) {
        for (int j = 0; j < system.n; ++j)
            if (std::bit_cast<uint64_t>(again.system.a[i][j]) !=
                std::bit_cast<uint64_t>(system.a[i][j]))
                Fail("written back, a coefficient reads as another number");
        if (std::bit_cast<uint64_t>(again.system.c[i]) != std::bit_cast<uint64_t>(system.c[i]))
            Fail("written back, a constant reads as another number");
    }
    return 0;
}
