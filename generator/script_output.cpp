#include "generator/script_output.h"

#include <algorithm>
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

void ScriptOutput::track(const std::string& text) {
    fileBytes_ += text.size();
    std::string::size_type start = 0;
    for (std::string::size_type feed; (feed = text.find('\n', start)) != std::string::npos; start = feed + 1) {
        lineLength_ += feed - start;
        fileBytes_ += lineEndBytes - 1;
        if (lineLength_ > consoleLineLimit) longLines_.push_back(lineNumber_);
        longestLine_ = std::max(longestLine_, lineLength_);
        ++lineNumber_;
        lineLength_ = 0;
    }
    lineLength_ += text.size() - start;
}

void ScriptOutput::warnAboutLimits() {
    if (limitWarnings != nullptr && !failed_) {
        std::cout.flush();  // so that the warnings stand after the messages before them
        std::ostream& out = *limitWarnings;
        constexpr std::size_t shown = 3;
        for (std::size_t i = 0; i < longLines_.size() && i < shown; ++i)
            out << path_ << ':' << longLines_[i] << ": warning: this line is longer than the " << consoleLineLimit
                << " characters the game's console runs, so the console cuts it and this menu entry breaks: "
                   "shorten the names and labels it holds\n";
        if (longLines_.size() > shown)
            out << path_ << ": warning: " << longLines_.size() - shown << " more lines are longer than "
                << consoleLineLimit << " characters\n";
        if (fileBytes_ > consoleBufferBytes) {
            const std::uint64_t perLine = longestLine_ + lineEndBytes;
            const std::uint64_t room = consoleBufferBytes - std::min<std::uint64_t>(consoleBufferBytes, headBytes_ + 64);
            const std::uint64_t fits = room / perLine > 1 ? room / perLine - 1 : 1;
            out << path_ << ": warning: this script file is " << fileBytes_ << " bytes, more than the "
                << consoleBufferBytes << " bytes the game's console holds, so the game runs none of it: set "
                << "max_lines to " << fits << " or less to spread the script over several files\n";
        }
        out.flush();
    }
    fileBytes_ = 0;
    lineNumber_ = 1;
    lineLength_ = 0;
    longestLine_ = 0;
    longLines_.clear();
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
    track(text);
    stream_ << text;
    if (!stream_) return fail();
    return true;
}

bool ScriptOutput::chainIfFull(std::uint32_t maxLines, const std::string& output) {
    if (failed_) return false;
    if (maxLines == 0 || lineCount <= maxLines) return true;
    ++fileNumber;
    const std::string next = followOnPath(output, fileNumber);
    std::cout << "MAX_LINES met ! Now writing to " << next << "\n" << endMessage;
    if (!write("\nexec " + execName(next) + "\n") || !close()) return false;
    if (!openScriptFile(next)) return false;
    lineCount = 0;
    return write("// TRANSITION \n\n");
}

bool ScriptOutput::close() {
    if (stream_.is_open()) {
        stream_.close();
        if (!stream_ && !failed_) return fail();
        warnAboutLimits();
    }
    return !failed_;
}
