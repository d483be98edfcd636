// Warnings about a source file, written the way a compiler writes them:
// "PATH:LINE: warning: MESSAGE", in the order of the file's lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Console;

/// Collects warnings about one file and writes them sorted by line.
class Diagnostics {
public:
    /// Warnings will name `path` (as the user gave it) and go to `console`.
    Diagnostics(std::string path, Console& console);

    /// Records a warning about line `line` (from 1).
    void warn(std::int32_t line, const std::string& message);

    /// Writes the recorded warnings in line order, then forgets them.
    void flush();

private:
    struct Warning {
        std::int32_t line;
        std::string message;
    };
    std::string path_;
    Console& console_;
    std::vector<Warning> warnings_;
};
