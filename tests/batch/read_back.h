// csv and jsonl output read back by readers that are not ours: Python's csv module (strict
// quoting) and its json module (strict UTF-8), so that a record the program writes wrongly
// shows as cells that differ or as no reading at all.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Each csv row's cells, joined by '|', as GBK texts; csv is decoded from UTF-8 when utf8, else
// from GBK. Nothing when the bytes are no csv in that character set.
std::optional<std::vector<std::string>> CsvRowsReadBack(const std::string& bytes, bool utf8);

// Each jsonl object's values number|ok|message|time|context|state|state_text, then |error when
// error is not null, strings as GBK texts, null as "(null)". Nothing when a line is no JSON object
// with exactly the keys number, ok, message, time, context, state, state_text and error in that
// order, or the bytes are no UTF-8, or the last line has no LF.
std::optional<std::vector<std::string>> JsonlObjectsReadBack(const std::string& bytes);
