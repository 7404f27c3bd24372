// The batch run of parcelio-batch: the number list read, every number queried, one row each
// written as it is answered (or the whole output file at the end), with a progress line on a
// terminal.
#pragma once

#include "batch/batch_options.h"
#include "text/text_ops.h"

// Returns the exit status.
int QueryNumberList(const BatchOptions& options, const Text& type_code);
