// The output formats of parcelio-batch: one record per answer (per step with --steps) in the
// window's export lines, RFC 4180 rows or JSON lines, with the cells as the service sent them
// and, in csv and jsonl, the parcel's state.
#pragma once

#include "batch/batch_options.h"
#include "runs/batch_loop.h"
#include "runs/parcel_state.h"
#include "runs/row_cells.h"
#include "text/text_ops.h"

// What comes before the first record: for csv the header row 快件单号,操作时间,最近状态,状态 (with
// 走件流程 in place of 最近状态 for the steps of --steps, as the window's two lists are headed);
// nothing for the other formats.
ByteArray HeaderBytes(OutputFormat format, bool steps, bool utf8);

// The record of one answer, with the parcel's state. export: the row's three cells joined by
// single spaces, then CR LF, as the window exports it (no state). csv: the three cells and the
// state's Chinese name separated by commas, a cell quoted (its quotes doubled) when it holds a
// comma, a quote, a CR or an LF, then CR LF. Both in GBK, or in UTF-8 when utf8. jsonl: always
// UTF-8, one object and LF:
//   {"number":"...","ok":true,"message":"ok","time":"...","context":"...",
//    "state":"delivered","state_text":"已签收","error":null}
// with the latest step's time and context, or null for both when the answer has no step; error
// says why no answer came (the transport's failure, or what was wrong with the reply) when the
// message is empty, and is null otherwise.
ByteArray RecordBytes(OutputFormat format, const BatchAnswer& answer, ParcelState state, bool utf8);

// A csv row of the row's cells and a last cell (GBK), CR LF included.
Text CsvRow(const RowCells& cells, std::string_view last_cell);

// A GBK text as a JSON string, quotes included, in UTF-8. A byte that starts no GBK character
// becomes U+FFFD, since JSON text must be UTF-8.
std::string JsonString(std::string_view gbk_text);
