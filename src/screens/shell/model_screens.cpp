#include "screens/shell/model_screens.h"

#include "model/entry_view.h"
#include "screens/entry/frm_matrix.h"
#include "screens/results/frm_printdata.h"
#include "screens/shell/window_placement.h"

namespace korvel {

void Connect_Screens_To_Model() {
    Set_Model_Screens([] { return static_cast<EntryView*>(Matrix_Screen()); },
                      [] { PrintData_Screen(); });
    Set_Entry_Screen_Opener([] {
        frm_Matrix* matrix = Matrix_Screen();
        // A file dropped on the entry screen: it shows the new model where it stands.
        if (matrix->isVisible()) {
            matrix->Show_Loaded_Model();
            return;
        }
        Centerform(matrix);
        matrix->Show_Modal();
    });
}

} // namespace korvel
