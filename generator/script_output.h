// The generator's output: the current script file, the count of its lines,
// and the change to a follow-on file once the line limit is passed.
#pragma once

#include <cstdint>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

/// The longest command line the game's console runs whole.
constexpr std::size_t consoleLineLimit = 1023;

/// The largest script file the game's console buffer holds.
constexpr std::uint64_t consoleBufferBytes = 131072;

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

    /// Called once the head of the first file is written: sets the line
    /// count to initialLineCount.
    void headWritten() {
        lineCount = initialLineCount;
        headBytes_ = fileBytes_;
    }

    /// Appends `text` to the current file; false once writing has failed.
    bool write(const std::string& text);

    /// After a counted point line: when `maxLines` is not 0 and the count is
    /// above it, ends the file with an exec line and goes on in the next
    /// follow-on file of `output`. Returns false once writing has failed.
    bool chainIfFull(std::uint32_t maxLines, const std::string& output);

    /// Closes the current file; false when it, or anything before, failed.
    bool close();

    /// Where to warn, as each file is closed, of lines longer than the
    /// console runs and of a file larger than its buffer; nowhere if null.
    std::ostream* limitWarnings = nullptr;

private:
    bool fail();
    void track(const std::string& text);
    void warnAboutLimits();

    // What the game's console will make of the current file.
    std::uint64_t fileBytes_ = 0;
    std::uint32_t lineNumber_ = 1;
    std::size_t lineLength_ = 0;
    std::size_t longestLine_ = 0;
    std::uint64_t headBytes_ = 0;
    std::vector<std::uint32_t> longLines_;

    std::ofstream stream_;
    std::string path_;
    bool failed_ = false;
};
