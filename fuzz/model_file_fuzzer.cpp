// libFuzzer target for the model-file reader: Readfile on arbitrary bytes.
//
// Besides what the sanitizers catch, every input must leave a count of equations that the
// arrays can hold; and a file that reads without an error report must save to a file that
// reads back without one and saves to the same bytes again.
#include "base/app_globals.h"
#include "base/messages.h"
#include "files/model_file.h"
#include "model/mod_matrix.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Counts the messages the reader shows and otherwise discards them.
class DiscardMessages : public korvel::MessageService {
  public:
    korvel::MsgAnswer Show(const QString&, korvel::MsgIcon, korvel::MsgButtons) override {
        ++shown;
        return korvel::MsgAnswer::OK;
    }
    int shown = 0;
};

DiscardMessages g_messages;

void Fail(const char* why) {
    std::fprintf(stderr, "model_file_fuzzer: %s\n", why);
    std::abort();
}

void Check_Count() {
    using namespace korvel;
    if (Num_Equations < 2 || Num_Equations > Max_Equations)
        Fail("count of equations outside 2..16");
    if (Last_Index != Num_Equations - 1) Fail("Last_Index does not match the count");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    korvel::Set_Message_Service(&g_messages);
    korvel::Set_Identity(); // First_Activate stays true: no confirmation, no screens
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korvel;
    Initialize(); // the same model before every input, so a finding reproduces on its own
    g_messages.shown = 0;
    Readfile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    Check_Count();
    if (g_messages.shown != 0) return 0; // reported (or refused): nothing more to hold it to

    const QByteArray saved = Model_File_Content();
    Initialize();
    Readfile(saved);
    if (g_messages.shown != 0) Fail("a saved model does not read back");
    Check_Count();
    if (Model_File_Content() != saved) Fail("a saved model reads back as another model");
    return 0;
}
