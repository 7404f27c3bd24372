// Number lists as other programs write them: their character sets, their line ends, and numbers
// typed in full-width form. The import, the window's batch run and parcelio-batch read every
// list through these, so that what the batch box shows as lines is what is queried.
#pragma once

#include <string_view>

#include "text/text_ops.h"

// The GBK text of a list file's bytes, up to its first zero character. A file that begins with a
// byte-order mark is read in the mark's character set (UTF-8, UTF-16 LE or UTF-16 BE) and
// converted; a character that GBK cannot hold becomes "?", as text pasted into the window does.
// A file without a mark is GBK already and is taken as it is.
Text NumberListText(const ByteArray& file_bytes);

// The lines of a list: CR LF, a lone LF and a lone CR each end a line. The empty text gives no
// line, empty lines between others are kept, and a final line end adds no empty last line.
TextList NumberListLines(std::string_view text);

// A number as it is sent: letters and digits in full-width form (as a Chinese input method types
// them in full-width mode) become their ASCII forms; every other byte stays.
Text QueriedNumber(std::string_view number);
