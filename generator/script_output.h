// The generator's output: the current script file, the count of its lines,
// and the change to a follow-on file once the line limit is passed.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

/// What the line count is set to once the binds block is written.
constexpr std::uint32_t initialLineCount = 6;

/// Returns the path of follow-on file `fileNumber`: `output` + "_" + number.
std::string followOnPath(const std::string& output, std::int32_t fileNumber);

/// Returns the name an exec line gives a follow-on file: the part of `path`
/// after its last folder separator, or all of it.
std::string execName(const std::string& path);

/// The script files of one run, written one after the other. The first
/// failure to create, write or close a file is reported on the console as
/// "ERROR : Cannot write the script file PATH"; from then on every call
/// returns false and nothing more is written.
class ScriptOutput {
public:
    /// Counted map and point lines in the current file.
    std::uint32_t lineCount = 0;
    /// The number of the last follow-on file opened.
    std::int32_t fileNumber = 0;

    /// Creates `path` empty (or empties it) as the current file. Returns
    /// false, after the error message, when it cannot.
    bool openScriptFile(const std::string& path);

    /// Appends `text` to the current file; false once writing has failed.
    bool write(const std::string& text);

    /// After a counted point line: when `maxLines` is not 0 and the count is
    /// above it, ends the file with an exec line and goes on in the next
    /// follow-on file of `output`. Returns false once writing has failed.
    bool chainIfFull(std::uint32_t maxLines, const std::string& output);

    /// Closes the current file; false when it, or anything before, failed.
    bool close();

    /// Returns true once a failure has been reported.
    bool failed() const { return failed_; }

private:
    bool fail();

    std::ofstream stream_;
    std::string path_;
    bool failed_ = false;
};
