// Names a control by a literal: the name check must refuse it.
#include "toolkit/control_ops.h"

Text Number() {
    return ControlText("NumberBox");
}
