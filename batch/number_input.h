// The tracking numbers of a batch run, read from a file or standard input by the import rules.
#pragma once

#include <optional>
#include <string>

#include "text/text_ops.h"

// The lines of the number list as the import puts them into the batch box: GBK bytes up to the
// first zero byte, every space removed, cut at CR LF, empty lines dropped. Nothing when the
// file (standard input when path is absent) cannot be read.
std::optional<TextList> ReadNumberLines(const std::optional<std::string>& path);

// The same from bytes already read.
TextList NumberLines(const ByteArray& list_bytes);
