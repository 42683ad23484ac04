#include "model/entry_view.h"

namespace korvel {

namespace {
std::function<EntryView*()> g_entryView;
std::function<void()> g_loadResults;
std::function<void()> g_openEntry;
} // namespace

void Set_Model_Screens(std::function<EntryView*()> entryView,
                       std::function<void()> loadResultsScreen) {
    g_entryView = std::move(entryView);
    g_loadResults = std::move(loadResultsScreen);
}

EntryView* Entry_View() {
    return g_entryView ? g_entryView() : nullptr;
}

void Load_Results_Screen() {
    if (g_loadResults) g_loadResults();
}

} // namespace korvel

namespace korvel {

void Set_Entry_Screen_Opener(std::function<void()> opener) {
    g_openEntry = std::move(opener);
}

void Open_Entry_Screen() {
    if (g_openEntry) g_openEntry();
}

} // namespace korvel
