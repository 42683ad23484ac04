#include "model/entry_view.h"

namespace korvel {

namespace {
std::function<EntryView*()> g_entryView;
std::function<void()> g_loadResults;
} // namespace

void Set_Model_Screens(std::function<EntryView*()> entryView,
                       std::function<void()> loadResultsScreen) {
    g_entryView = std::move(entryView);
    g_loadResults = std::move(loadResultsScreen);
}

EntryView* Entry_View() { return g_entryView ? g_entryView() : nullptr; }

void Load_Results_Screen() {
    if (g_loadResults) g_loadResults();
}

} // namespace korvel
