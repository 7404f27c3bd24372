#pragma once

#include "text/text_ops.h"
