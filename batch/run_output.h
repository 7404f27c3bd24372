// The output of one run of parcelio-batch, which every mode writes through: its records in the
// format and character set the options ask for, on standard output as they come or into the
// output file, put in place whole at the end; and its messages on standard error, in the
// character set of that stream.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "batch/batch_options.h"
#include "batch/batch_output.h"
#include "batch/process_control.h"
#include "runs/batch_loop.h"
#include "runs/parcel_state.h"
#include "text/text_ops.h"

class RunOutput {
  public:
    // The output the options name: their format, --encoding and --output.
    explicit RunOutput(const BatchOptions& options);

    // What comes before the records (for the steps of --steps when steps), one record, or a GBK
    // text of its own (the courier list, the help). False once the output could not be written.
    bool WriteHeader(bool steps);
    bool WriteRecord(const BatchAnswer& answer, ParcelState state);
    bool WriteText(std::string_view gbk_text);

    // Whether the records show on a terminal: standard output is one, and no file is named.
    bool OnScreen() const;

    // A GBK text on standard error.
    void WriteError(std::string_view gbk_text) const;

    // Ends the output, putting the output file in place. Returns status, or kBadUsage when the
    // output could not be written (named on standard error).
    int Deliver(int status);

  private:
    bool Write(const ByteArray& bytes);

    OutputFormat format_;
    std::optional<std::string> path_;
    TerminalKind terminal_;
    StreamCharset charset_;
    StreamCharset error_charset_;
    ByteArray file_bytes_;
    bool failed_ = false;
};
