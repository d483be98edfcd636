// Reads a file one line at a time, or a block of whole lines at a time, for
// the source-file reader and the console-dump scan.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

/// A file opened for reading only, read through a buffer of its own. A line
/// ends at a line feed, which is not kept, nor is a carriage return right
/// before it; the last line need not end with a line feed. A read error ends
/// the reading as the end of the file does. Memory stays that of the longest
/// line, whatever the size of the file.
class LineReader {
public:
    /// The size the buffer starts with; it grows to hold the longest line.
    static constexpr std::size_t defaultBufferSize = 1 << 18;

    /// Opens the file `path` for reading; see isOpen. A folder is not opened.
    explicit LineReader(const std::string& path, std::size_t bufferSize = defaultBufferSize);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    /// Returns true when the file could be opened.
    bool isOpen() const { return file_ != nullptr; }

    /// Reads the next line into `line`; returns false, with `line` empty,
    /// once there is none (end of file, read error, or a file not open).
    bool next(std::string& line);

    /// The same, with `line` a view of the reader's buffer, valid until the
    /// next call.
    bool next(std::string_view& line);

    /// Reads the next block of whole lines, each with its line feed (the
    /// file's last line may lack one), as a view valid until the next call;
    /// false once the file is read. Do not mix with next().
    bool nextBlock(std::string_view& block);

private:
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // the unread bytes of buffer_ run from begin_ to end_
    std::size_t end_ = 0;
    bool ended_ = false;
    std::string_view block_;  // what next() has not yet taken of the current block
};
