#include "platform/console.h"

#include <cstdlib>
#include <io.h>
#include <iostream>

#include <windows.h>
#include <shellapi.h>

bool standardOutputIsTerminal() {
    static const bool terminal = _isatty(_fileno(stdout)) != 0;
    return terminal;
}

void surviveClosedOutput() {
    // A write to a closed pipe fails here without stopping the program.
}

void setConsoleColours() {
    if (!standardOutputIsTerminal()) return;
    std::system("color 17");
}

void restoreConsoleColours() {
    // The console window keeps the colours for as long as it is open, as
    // "color" gives them.
}

void pauseForKey() {
    std::cout.flush();
    std::system("pause");
}

void openInDesktopShell(const std::string& path) {
    if (path.empty()) return;
    std::cout.flush();
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
