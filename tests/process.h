// Test helpers that run the real telvorin binary as a user would: in a
// working folder, with arguments or standard input, and collect what it
// writes and its exit status.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "generator/credits.h"

/// How to start telvorin.
struct Invocation {
    std::vector<std::string> arguments;
    std::string input;          ///< written to standard input, which then ends
    bool closedInput = false;   ///< start with no standard input at all
    bool closedOutput = false;  ///< start with a standard output that nobody reads
    unsigned long memoryLimitBytes = 0;  ///< the address-space limit, or 0 for none
    std::string folder;         ///< the working folder
    bool unprivileged = false;  ///< run as a user who cannot write what it does not own
    std::vector<std::pair<std::string, std::string>> environment;  ///< set on top of the test's own
};

/// What a run gave.
struct Outcome {
    std::string out;
    std::string err;
    int status = -1;  ///< the exit status, or -1 when the process did not exit
    long peakKib = 0; ///< the process's peak resident memory
};

/// Runs telvorin. DISPLAY and WAYLAND_DISPLAY are unset unless
/// `environment` sets them.
Outcome runTelvorinBinary(const Invocation& invocation);

/// The credits every run begins with.
inline const std::string creditsText = "\n** Telvorin\n** by Zorvik Vek\n** email : " + authorMail +
                                       "\n** web   : " + authorWeb + "\n\n\n";

/// What the pause writes after "Terminating program", on a pipe.
inline const std::string pauseText = "\n\nPress any key to continue . . . \n";

/// A new empty folder that anyone may write into, removed with everything
/// in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    /// Returns path() + "/" + name.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

/// Returns the whole content of the file at `path`; "<missing>" when it
/// cannot be read.
std::string readFile(const std::string& path);

/// Writes `content` to the file at `path`, replacing it.
void writeFile(const std::string& path, const std::string& content);

/// Returns true when something exists at `path`.
bool pathExists(const std::string& path);

/// Returns the lines of `text`, split at line feeds (a last line feed ends
/// the last line).
std::vector<std::string> splitLines(const std::string& text);

/// Runs telvorin in `folder` with `arguments` and `input` on standard input.
Outcome runIn(const std::string& folder, std::vector<std::string> arguments, std::string input = "");
