#include "platform/console.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

const char colourCodes[] = "\033[37;44m";
const char resetCodes[] = "\033[0m";

volatile std::sig_atomic_t coloured = 0;

void resetAndDie(int signalNumber) {
    if (coloured != 0) {
        ssize_t ignored = write(STDOUT_FILENO, resetCodes, sizeof resetCodes - 1);
        (void)ignored;
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

}  // namespace

bool standardOutputIsTerminal() {
    static const bool terminal = isatty(STDOUT_FILENO) != 0;
    return terminal;
}

void surviveClosedOutput() { std::signal(SIGPIPE, SIG_IGN); }

void setConsoleColours() {
    if (!standardOutputIsTerminal()) return;
    std::cout << colourCodes << std::flush;
    coloured = 1;
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) std::signal(signalNumber, resetAndDie);
}

void restoreConsoleColours() {
    if (coloured == 0) return;
    std::cout << resetCodes << std::flush;
    coloured = 0;
}

void pauseForKey() {
    std::cout << "Press any key to continue . . . " << std::flush;
    if (isatty(STDIN_FILENO) != 0) {
        termios saved{};
        if (tcgetattr(STDIN_FILENO, &saved) == 0) {
            termios raw = saved;
            raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | ISIG));
            raw.c_cc[VMIN] = 1;
            raw.c_cc[VTIME] = 0;
            tcflush(STDIN_FILENO, TCIFLUSH);  // what was typed before the prompt does not count
            tcsetattr(STDIN_FILENO, TCSANOW, &raw);
            char key = 0;
            ssize_t ignored = read(STDIN_FILENO, &key, 1);
            (void)ignored;
            tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        }
    } else {
        // The same buffered stream the prompt reads from.
        std::getchar();
    }
    std::cout << "\n" << std::flush;
}

void openInDesktopShell(const std::string& path) {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool hasDisplay = (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
    if (!hasDisplay || path.empty()) return;
#ifdef __APPLE__
    const char* opener = "open";
#else
    const char* opener = "xdg-open";
#endif
    // A path that begins with "-" would be read as an option.
    const std::string argument = path[0] == '-' ? "./" + path : path;
    std::cout.flush();
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        std::signal(SIGPIPE, SIG_DFL);  // the opener starts as any program does
        execlp(opener, opener, argument.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}
