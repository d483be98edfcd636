#include "toolkit/line_reader.h"

#include <cstring>
#include <filesystem>
#include <system_error>

LineReader::LineReader(const std::string& path, std::size_t bufferSize) : buffer_(bufferSize < 1 ? 1 : bufferSize) {
    // A folder is not a file to read, although some systems open one; no
    // file name holds a NUL byte.
    std::error_code error;
    if (path.find('\0') != std::string::npos || std::filesystem::is_directory(path, error)) return;
    file_ = std::fopen(path.c_str(), "rb");
}

LineReader::~LineReader() {
    if (file_ != nullptr) std::fclose(file_);
}

bool LineReader::nextBlock(std::string_view& block) {
    if (file_ == nullptr) return false;
    for (;;) {
        // Up to and with the last line feed of what is buffered.
        std::size_t last = end_;
        while (last > begin_ && buffer_[last - 1] != '\n') --last;
        if (last > begin_ || (ended_ && end_ > begin_)) {
            const std::size_t stop = last > begin_ ? last : end_;
            block = std::string_view(buffer_.data() + begin_, stop - begin_);
            begin_ = stop;
            return true;
        }
        if (ended_) return false;
        // Keep the start of an unfinished line and read on behind it.
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
        if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
        const std::size_t read = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
        if (read == 0) ended_ = true;  // end of file or a read error
        end_ += read;
    }
}

bool LineReader::next(std::string_view& line) {
    if (block_.empty() && !nextBlock(block_)) {
        line = std::string_view();
        return false;
    }
    const std::string_view::size_type feed = block_.find('\n');
    if (feed == std::string_view::npos) {
        line = block_;  // the last line, without a line feed
        block_ = std::string_view();
        return true;
    }
    line = block_.substr(0, feed);
    block_.remove_prefix(feed + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
}

bool LineReader::next(std::string& line) {
    std::string_view view;
    const bool read = next(view);
    line.assign(view.data(), view.size());
    return read;
}
