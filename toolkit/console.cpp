#include "toolkit/console.h"

Console::Console(std::ostream& out, std::ostream& err, bool flushEachProgress)
    : out_(out), err_(err), flushEachProgress_(flushEachProgress) {}

void Console::message(const std::string& text) { out_ << text << std::flush; }

void Console::progress(const std::string& text) {
    out_ << text;
    if (flushEachProgress_) out_.flush();
}

void Console::warning(const std::string& path, std::int64_t line, const std::string& message) {
    out_.flush();  // so that the warning stands after the messages before it
    err_ << path;
    if (line != 0) err_ << ':' << line;
    err_ << ": warning: " << message << '\n' << std::flush;
    ++warnings_;
}

void Console::flush() { out_.flush(); }
