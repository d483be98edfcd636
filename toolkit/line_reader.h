// Reads a file one line at a time, for the source-file reader and the
// console-dump scan.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

/// A file opened for reading only, read line by line through a buffer of
/// its own. A line ends at a line feed, which is not kept, nor is a carriage
/// return right before it; the last line need not end with a line feed. A
/// read error ends the reading as the end of the file does.
class LineReader {
public:
    /// Opens the file `path` for reading; see isOpen. A folder is not opened.
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    /// Returns true when the file could be opened.
    bool isOpen() const { return file_ != nullptr; }

    /// Reads the next line into `line`; returns false, with `line` empty,
    /// once there is none (end of file, read error, or a file not open).
    bool next(std::string& line);

private:
    bool refill();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
};
