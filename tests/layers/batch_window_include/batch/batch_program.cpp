// parcelio-batch reaching the window through a header of the query runs: the layer check must
// refuse it.
#include "runs/result_list.h"
