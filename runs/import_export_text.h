// The texts of the two file exchanges: a number-list file turned into the batch number box's
// text, and result rows turned into the bytes of an export file. Both are linear in the data.
#pragma once

#include "runs/row_cells.h"
#include "text/text_ops.h"

// The file's text (NumberListText: GBK, or converted after a byte-order mark), every space
// removed, cut into lines at every line end (CR LF, LF or CR).
// Lines left empty are dropped; every kept line except the file's first line is preceded by
// CR LF, so a dropped first line makes the text begin with CR LF.
Text ImportedNumberText(const ByteArray& file_bytes);

// One line per row, top row first: the three cells joined by single spaces, then CR LF.
// No rows give no bytes.
ByteArray ExportedRowBytes(const RowCellsList& rows);
