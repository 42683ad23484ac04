#include "screens/shell/forms.h"

#include "screens/shell/form.h"

#include <vector>

namespace korvel {

namespace {
std::vector<QPointer<Form>>& Loaded() {
    static std::vector<QPointer<Form>> forms;
    return forms;
}
} // namespace

void Track_Form(Form* form) {
    Loaded().emplace_back(form);
}

void Unload_All_Forms() {
    std::vector<QPointer<Form>> forms;
    forms.swap(Loaded());
    // Newest first, so a screen is gone before the screens it was built on.
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        delete it->data();
}

} // namespace korvel
