#pragma once

#include "toolkit/control_ops.h"
