// A model file that reaches up into the screens: the layer check must refuse it.
#include "screens/entry/frm_matrix.h"
