#include "platform/files.h"

#include <filesystem>
#include <system_error>

bool isSameFile(const std::string& a, const std::string& b) {
    // No file name holds a NUL byte; the system would read the name only up to it.
    if (a.find('\0') != std::string::npos || b.find('\0') != std::string::npos) return false;
    std::error_code error;
    const bool same = std::filesystem::equivalent(a, b, error);
    return !error && same;
}

bool fileExists(const std::string& path) {
    if (path.find('\0') != std::string::npos) return false;
    std::error_code error;
    return std::filesystem::exists(path, error);
}
