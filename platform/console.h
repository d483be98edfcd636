// What Telvorin needs of the operating system's console and desktop: the
// console's colours, a console that goes away, the pause before the window
// closes, and opening a file in the desktop shell. Each system has its own
// source file.
#pragma once

#include <string>

/// Returns true when standard output is a terminal (a console window).
bool standardOutputIsTerminal();

/// Makes a standard output that goes away (a closed pipe) a failed write
/// rather than the end of the program, so that every file is still written.
void surviveClosedOutput();

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
