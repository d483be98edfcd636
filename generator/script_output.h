// The generator's output: the script files of one run, the count of the
// lines of the current one, and the change to a follow-on file once the
// line limit is passed. This is the one place that knows when a file ends.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

class Console;

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

/// One script file of a run and what it holds.
struct ScriptFile {
    std::string path;
    std::uint64_t bytes = 0;  ///< as stored, with the platform's line ends
    std::uint32_t lines = 0;  ///< text lines
};

/// The script files of one run, written one after the other. Only map and
/// point lines are counted; after a point line that brings the count above
/// the limit, the file ends with an exec line and the script goes on in the
/// next follow-on file.
class ScriptOutput {
public:
    /// Whether the files are written, or only measured.
    enum class Mode { Write, Measure };

    /// A script whose first file is `output`, with at most `maxLines` counted
    /// lines a file (no limit when 0). With Mode::Write, the first failure to
    /// create, write or close a file is reported on `console` as "ERROR :
    /// Cannot write the script file PATH"; from then on every call returns
    /// false and nothing more is written. With Mode::Measure no file is
    /// touched. `console` also receives the change of file and the warnings
    /// about the game's limits; when null, nothing is said.
    ScriptOutput(std::string output, std::uint32_t maxLines, Console* console, Mode mode = Mode::Write);

    /// Creates the first file empty (or empties it). False when it cannot.
    bool open();

    /// Appends `text`, which is not counted; false once writing has failed.
    bool write(const std::string& text);

    /// Called once the head of the first file is written: sets the line
    /// count to initialLineCount, whatever the head held.
    void headWritten();

    /// Appends a map variable line and counts it.
    bool mapLine(const std::string& line);

    /// Appends a point variable line, counts it, and changes files when the
    /// count is above the limit.
    bool pointLine(const std::string& line);

    /// Closes the current file; false when it, or anything before, failed.
    bool close();

    /// Counted lines in the current file.
    std::uint32_t lineCount() const { return lineCount_; }

    /// The files opened so far, in order; each one's figures are complete
    /// once it is closed.
    const std::vector<ScriptFile>& files() const { return files_; }

private:
    bool openFile(const std::string& path);
    bool closeFile();
    bool fail();
    void track(const std::string& text);
    void warnAboutLimits();

    std::string output_;
    std::uint32_t maxLines_;
    Console* console_;
    Mode mode_;
    std::uint32_t lineCount_ = 0;
    std::int32_t fileNumber_ = 0;
    std::vector<ScriptFile> files_;

    // What the game's console will make of the current file.
    std::uint32_t lineNumber_ = 1;
    std::size_t lineLength_ = 0;
    std::size_t longestLine_ = 0;
    std::uint64_t headBytes_ = 0;
    std::vector<std::uint32_t> longLines_;

    std::ofstream stream_;
    bool fileOpen_ = false;
    bool failed_ = false;
};
