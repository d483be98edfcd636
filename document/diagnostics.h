// Warnings about a source file, written the way a compiler writes them:
// "PATH:LINE: warning: MESSAGE", in the order of the file's lines.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

/// Collects warnings about one file and writes them sorted by line.
class Diagnostics {
public:
    /// Warnings will name `path` (as the user gave it) and go to `out`.
    Diagnostics(std::string path, std::ostream& out);

    /// Records a warning about line `line` (from 1).
    void warn(std::int32_t line, const std::string& message);

    /// Writes the recorded warnings in line order, then forgets them.
    void flush();

    /// A section opened at the top level of the file, seen by the reader.
    struct Section {
        std::string name;
        std::int32_t line;
    };
    /// The sections the reader saw opened at the top level, in file order.
    std::vector<Section> topLevelSections;

private:
    struct Warning {
        std::int32_t line;
        std::string message;
    };
    std::string path_;
    std::ostream& out_;
    std::vector<Warning> warnings_;
};
