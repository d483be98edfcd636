#include "toolkit/line_reader.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::size_t bufferSize = 1 << 16;

}  // namespace

LineReader::LineReader(const std::string& path) : buffer_(bufferSize) {
    // A folder is not a file to read, although some systems open one; no
    // file name holds a NUL byte.
    std::error_code error;
    if (path.find('\0') != std::string::npos || std::filesystem::is_directory(path, error)) return;
    file_ = std::fopen(path.c_str(), "rb");
}

LineReader::~LineReader() {
    if (file_ != nullptr) std::fclose(file_);
}

bool LineReader::refill() {
    if (ended_ || file_ == nullptr) return false;
    begin_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (end_ == 0) ended_ = true;  // end of file or a read error
    return end_ > 0;
}

bool LineReader::next(std::string& line) {
    line.clear();
    bool readAny = false;
    for (;;) {
        if (begin_ == end_ && !refill()) break;
        readAny = true;
        const char* start = buffer_.data() + begin_;
        const auto* feed = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        if (feed == nullptr) {
            line.append(start, end_ - begin_);
            begin_ = end_;
            continue;
        }
        line.append(start, static_cast<std::size_t>(feed - start));
        begin_ += static_cast<std::size_t>(feed - start) + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }
    return readAny;
}
