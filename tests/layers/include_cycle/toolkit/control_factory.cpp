#include "toolkit/control_factory.h"

#include "toolkit/hypertext_box.h"
