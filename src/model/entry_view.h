// How the model paints the equation entry screen without knowing about widgets: the
// screen implements EntryView, and the program tells the model where to find it.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace korvel {

// Text colours of coefficient and constant boxes, as RGB.
enum class BoxColour : uint32_t { Grey = 0x808080, Red = 0xFF0000 };

class EntryView {
  public:
    virtual ~EntryView() = default;
    virtual void Paint_Coefficient(int index, const QString& text, BoxColour colour) = 0;
    virtual void Paint_Constant(int row, const QString& text, BoxColour colour) = 0;
    virtual void Paint_Name(int row, const QString& text) = 0;
};

// entryView returns the entry screen, loading it (hidden) the first time it is asked;
// loadResultsScreen makes sure the results screen exists. Until these are set (as in
// korvel-cli) the model runs without screens and painting does nothing.
void Set_Model_Screens(std::function<EntryView*()> entryView,
                       std::function<void()> loadResultsScreen);
EntryView* Entry_View();
void Load_Results_Screen();

// Centres the entry screen and shows it modally (after a model file has been read once the
// home screen is up). Without screens it does nothing.
void Set_Entry_Screen_Opener(std::function<void()> opener);
void Open_Entry_Screen();

} // namespace korvel
