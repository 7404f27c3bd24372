#include "batch/run_output.h"

#include "batch/batch_formats.h"

RunOutput::RunOutput(const BatchOptions& options)
    : format_(options.format),
      path_(options.output_path),
      terminal_(path_ ? TerminalKind::kNone : StreamTerminal(StandardStream::kOutput)),
      charset_(ChooseCharset(options.encoding, terminal_)),
      error_charset_(ErrorCharset(options)) {}

bool RunOutput::WriteHeader(bool steps) {
    return Write(HeaderBytes(format_, steps, charset_.utf8));
}

bool RunOutput::WriteRecord(const BatchAnswer& answer, ParcelState state) {
    return Write(RecordBytes(format_, answer, state, charset_.utf8));
}

bool RunOutput::WriteText(std::string_view gbk_text) {
    return Write(OutputBytes(gbk_text, charset_.utf8));
}

bool RunOutput::OnScreen() const {
    return terminal_ != TerminalKind::kNone;
}

void RunOutput::WriteError(std::string_view gbk_text) const {
    WriteStream(StandardStream::kError, OutputBytes(gbk_text, error_charset_.utf8), error_charset_);
}

int RunOutput::Deliver(int status) {
    if (failed_) {
        return ReportWriteError("standard output");
    }
    if (path_ && !WriteOutputFile(*path_, file_bytes_)) {
        return ReportWriteError(*path_);
    }
    return status;
}

// Standard output takes the bytes at once; the output file gets them all at the end.
bool RunOutput::Write(const ByteArray& bytes) {
    if (failed_) {
        return false;
    }
    if (path_) {
        file_bytes_.insert(file_bytes_.end(), bytes.begin(), bytes.end());
    } else if (!bytes.empty()) {
        failed_ = !WriteStream(StandardStream::kOutput, bytes, charset_);
    }
    return !failed_;
}
