#include "tests/process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>


namespace {

constexpr uid_t nobodyId = 65534;

std::string makeTempFolder(const char* pattern) {
    std::string path = (std::filesystem::temp_directory_path() / pattern).string();
    if (mkdtemp(path.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    chmod(path.c_str(), 0777);
    return path;
}

// A copy of the binary that any user may run, wherever the build folder is;
// removed at exit.
const std::string& sharedBinary() {
    struct Copy {
        std::string folder = makeTempFolder("telvorin-bin-XXXXXX");
        std::string path = folder + "/telvorin";
        Copy() {
            chmod(folder.c_str(), 0755);
            std::filesystem::copy_file(TELVORIN_BINARY, path);
            chmod(path.c_str(), 0755);
        }
        ~Copy() {
            std::error_code error;
            std::filesystem::remove_all(folder, error);
        }
    };
    static const Copy copy;
    return copy.path;
}

void writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

Outcome runTelvorinBinary(const Invocation& invocation) {
    const std::string binary = sharedBinary();
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) throw std::runtime_error("pipe failed");
    std::signal(SIGPIPE, SIG_IGN);
    // Nobody reads a closed output: every write to it fails.
    if (invocation.closedOutput) close(out[0]);
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGPIPE, SIG_DFL);  // as a shell starts a program
        if (invocation.memoryLimitBytes != 0) {
            const rlimit limit{invocation.memoryLimitBytes, invocation.memoryLimitBytes};
            setrlimit(RLIMIT_AS, &limit);
        }
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        if (invocation.closedInput)
            close(STDIN_FILENO);
        else
            dup2(in[0], STDIN_FILENO);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            if (fd != out[0] || !invocation.closedOutput) close(fd);
        if (!invocation.folder.empty() && chdir(invocation.folder.c_str()) != 0) _exit(126);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        for (const auto& [name, value] : invocation.environment) setenv(name.c_str(), value.c_str(), 1);
        if (invocation.unprivileged && getuid() == 0) {
            const gid_t group = nobodyId;
            if (setgroups(1, &group) != 0 || setgid(nobodyId) != 0 || setuid(nobodyId) != 0) _exit(125);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(binary.c_str()));
        for (const std::string& argument : invocation.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    writeAll(in[1], invocation.input);
    close(in[1]);

    Outcome outcome;
    pollfd fds[2] = {{invocation.closedOutput ? -1 : out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&outcome.out, &outcome.err};
    int open = invocation.closedOutput ? 1 : 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
            char buffer[65536];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.peakKib = usage.ru_maxrss;
    return outcome;
}

TempFolder::TempFolder() : path_(makeTempFolder("telvorin-test-XXXXXX")) {}

TempFolder::~TempFolder() {
    std::error_code error;
    // Read-only folders made by a test must be writable again to be emptied.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        if (it->is_directory(error)) chmod(it->path().c_str(), 0777);
    std::filesystem::remove_all(path_, error);
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "<missing>";
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
}

bool pathExists(const std::string& path) {
    struct stat info{};
    return lstat(path.c_str(), &info) == 0;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

Outcome runIn(const std::string& folder, std::vector<std::string> arguments, std::string input) {
    Invocation invocation;
    invocation.folder = folder;
    invocation.arguments = std::move(arguments);
    invocation.input = std::move(input);
    return runTelvorinBinary(invocation);
}
