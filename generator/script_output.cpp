#include "generator/script_output.h"

#include <iostream>

#include "platform/platform.h"
#include "toolkit/numbers.h"

std::string followOnPath(const std::string& output, std::int32_t fileNumber) {
    return output + "_" + toText(fileNumber);
}

std::string execName(const std::string& path) {
    const std::string::size_type last = path.rfind(folderSeparator);
    return last == std::string::npos ? path : path.substr(last + 1);
}

bool ScriptOutput::fail() {
    if (!failed_) std::cout << "ERROR : Cannot write the script file " << path_ << "\n" << std::flush;
    failed_ = true;
    return false;
}

bool ScriptOutput::openScriptFile(const std::string& path) {
    if (failed_) return false;
    path_ = path;
    // No file name holds a NUL byte: opening would name another file.
    if (path.find('\0') != std::string::npos) return fail();
    // Text mode: a line feed is stored as the platform's line end.
    stream_.open(path, std::ios::out | std::ios::trunc);
    if (!stream_.is_open() || !stream_) return fail();
    return true;
}

bool ScriptOutput::write(const std::string& text) {
    if (failed_) return false;
    stream_ << text;
    if (!stream_) return fail();
    return true;
}

bool ScriptOutput::chainIfFull(std::uint32_t maxLines, const std::string& output) {
    if (failed_) return false;
    if (maxLines == 0 || lineCount <= maxLines) return true;
    ++fileNumber;
    const std::string next = followOnPath(output, fileNumber);
    std::cout << "MAX_LINES met ! Now writing to " << next << "\n" << std::flush;
    if (!write("\nexec " + execName(next) + "\n") || !close()) return false;
    if (!openScriptFile(next)) return false;
    lineCount = 0;
    return write("// TRANSITION \n\n");
}

bool ScriptOutput::close() {
    if (stream_.is_open()) {
        stream_.close();
        if (!stream_ && !failed_) return fail();
    }
    return !failed_;
}
