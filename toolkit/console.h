// Where one run's messages and warnings go: two streams handed in by the
// caller, so that the library never reaches for the process's own.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

/// The console of a run: messages on `out`, warnings on `err`.
class Console {
public:
    /// Messages go to `out` and warnings to `err`. When `flushEachProgress`
    /// is false, progress messages stay in `out`'s buffer until the next
    /// message, warning or flush (for a pipe or a file, where nobody follows
    /// the run line by line).
    Console(std::ostream& out, std::ostream& err, bool flushEachProgress = true);

    /// Writes `text` to `out` and flushes it.
    void message(const std::string& text);

    /// Writes `text`, one of the many progress messages of a run, to `out`;
    /// flushes it only when each progress message is to be flushed.
    void progress(const std::string& text);

    /// Writes the warning "PATH:LINE: warning: MESSAGE" (without ":LINE"
    /// when `line` is 0) to `err`, after everything already written to `out`.
    void warning(const std::string& path, std::int64_t line, const std::string& message);

    /// Returns how many warnings have been written.
    std::size_t warningCount() const { return warnings_; }

    /// Flushes `out`.
    void flush();

    /// The stream of messages, for a caller that writes its own.
    std::ostream& out() { return out_; }

private:
    std::ostream& out_;
    std::ostream& err_;
    bool flushEachProgress_;
    std::size_t warnings_ = 0;
};
