// The exit statuses of parcelio-batch and how it writes its output and its complaints.
#pragma once

#include <string>
#include <string_view>

#include "batch/batch_options.h"
#include "runs/row_cells.h"
#include "text/text_ops.h"

inline constexpr int kAllAnswered = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kBadUsage = 2;

// Names the problem on standard error; returns kBadUsage.
int ReportUsageError(const std::string& message);
int ReportWriteError(const std::string& target);

// Writes the whole output (GBK) at once, to the output file or standard output, in the chosen
// character set. Returns status, or kBadUsage when it could not be written.
int DeliverOrReport(const BatchOptions& options, std::string_view gbk_text, int status);

// Rows in the export format: cells joined by single spaces, each row ended by CR LF.
Text RowsText(const RowCellsList& rows);
