// A lower layer that reaches up: the layer check must refuse it.
#pragma once

#include "ui/main_window.h"
