#include "toolkit/hypertext_box.h"

#include "toolkit/control_factory.h"
