// Tracking numbers taken from one column of a CSV file, as a shop's back office exports its
// orders: a header row, then one row per order (RFC 4180: quoted cells, doubled quotes, line
// breaks inside quotes), separated by commas or TABs.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "text/text_ops.h"

// Why the column cannot be read: one ASCII sentence (with the column as it was given), and the
// header row's cells as GBK texts, for the message that names them.
struct CsvColumnProblem {
    std::string reason;
    TextList header;
};

// The numbers of one column, in file order, each cleaned as a line of a number list is (every
// space removed), empty ones skipped; the header row is no number. The column is the header
// cell equal to one of name_readings (GBK; spaces around a header cell do not count), or else,
// when given is a number from 1, the cell at that position. The file is UTF-8 or UTF-16 (either
// byte order) after a byte-order mark; without a mark UTF-8 when all of it is valid UTF-8, else
// GBK; it ends before its first zero byte, as a number list does. A character of a UTF-8 cell
// that GBK cannot hold becomes '?'. The separator is the one the header row shows: TAB when it
// splits the header into more cells than the comma does. A CR, an LF or CR LF ends a row outside
// quotes. A problem: no such column, a quote never closed, text after a closing quote, or a row
// that is not blank and too short to have the column.
std::variant<TextList, CsvColumnProblem> ColumnNumbers(const ByteArray& file_bytes,
                                                       std::string_view given,
                                                       const std::vector<Text>& name_readings);
