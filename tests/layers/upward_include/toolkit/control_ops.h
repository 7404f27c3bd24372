// The toolkit reaching up into the query runs: the layer check must refuse it.
#pragma once

#include "runs/result_list.h"
#include "text/text_ops.h"
