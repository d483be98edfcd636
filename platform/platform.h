// What Telvorin needs of the operating system: the console's colours, the
// pause before the window closes, and opening a file in the desktop shell.
// Each system has its own source file.
#pragma once

#include <ostream>
#include <string>

/// The character that separates folders in a path.
#ifdef _WIN32
constexpr char folderSeparator = '\\';
/// How many bytes a line end takes in a file written in text mode.
constexpr unsigned lineEndBytes = 2;
#else
constexpr char folderSeparator = '/';
constexpr unsigned lineEndBytes = 1;
#endif

/// Returns true when standard output is a terminal (a console window).
bool standardOutputIsTerminal();

/// Ends one of the many progress messages of a run: flushes `out` when
/// standard output is a terminal, where the user follows the run line by
/// line. To a pipe or a file the stream's buffer carries the messages on;
/// it is flushed before every wait, every warning and at the end.
std::ostream& endMessage(std::ostream& out);

/// Shows the console as white text on blue, where standard output is a
/// console; a pipe or a file never receives an escape code.
void setConsoleColours();

/// Gives the console back the colours it had before setConsoleColours.
void restoreConsoleColours();

/// Waits for one key press, after the system's "Press any key" prompt.
/// Returns at once at the end of standard input.
void pauseForKey();

/// Asks the desktop shell to open the file at `path`, with the path handed
/// over as it is and never through a command interpreter. Returns when the
/// request has been made; a missing opener is ignored.
void openInDesktopShell(const std::string& path);
