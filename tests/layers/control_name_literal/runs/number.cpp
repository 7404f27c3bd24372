// Names a control by a literal: the name check must refuse it.
#include "ui/toolkit/control_ops.h"

Text Number() {
    return ControlText("NumberBox");
}
