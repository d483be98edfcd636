#include "generator/script_output.h"

#include <algorithm>
#include <utility>

#include "platform/paths.h"
#include "toolkit/console.h"
#include "toolkit/numbers.h"

std::string followOnPath(const std::string& output, std::int32_t fileNumber) {
    return output + "_" + toText(fileNumber);
}

std::string execName(const std::string& path) {
    const std::string::size_type last = path.rfind(folderSeparator);
    return last == std::string::npos ? path : path.substr(last + 1);
}

ScriptOutput::ScriptOutput(std::string output, std::uint32_t maxLines, Console* console, Mode mode)
    : output_(std::move(output)), maxLines_(maxLines), console_(console), mode_(mode) {}

bool ScriptOutput::fail() {
    if (!failed_ && console_ != nullptr)
        console_->message("ERROR : Cannot write the script file " + files_.back().path + "\n");
    failed_ = true;
    return false;
}

void ScriptOutput::track(const std::string& text) {
    ScriptFile& file = files_.back();
    file.bytes += text.size();
    std::string::size_type start = 0;
    for (std::string::size_type feed; (feed = text.find('\n', start)) != std::string::npos; start = feed + 1) {
        lineLength_ += feed - start;
        file.bytes += lineEndBytes - 1;
        if (lineLength_ > consoleLineLimit) longLines_.push_back(lineNumber_);
        longestLine_ = std::max(longestLine_, lineLength_);
        ++lineNumber_;
        lineLength_ = 0;
    }
    lineLength_ += text.size() - start;
}

void ScriptOutput::warnAboutLimits() {
    ScriptFile& file = files_.back();
    file.lines = lineNumber_ - 1 + (lineLength_ > 0 ? 1 : 0);
    if (console_ != nullptr && !failed_) {
        constexpr std::size_t shown = 3;
        for (std::size_t i = 0; i < longLines_.size() && i < shown; ++i)
            console_->warning(file.path, static_cast<std::int32_t>(longLines_[i]),
                              "this line is longer than the " + toText(static_cast<std::uint32_t>(consoleLineLimit)) +
                                  " characters the game's console runs, so the console cuts it and this menu entry "
                                  "breaks: shorten the names and labels it holds");
        if (longLines_.size() > shown)
            console_->warning(file.path, 0,
                              std::to_string(longLines_.size() - shown) + " more lines are longer than " +
                                  std::to_string(consoleLineLimit) + " characters");
        if (file.bytes > consoleBufferBytes) {
            const std::uint64_t perLine = longestLine_ + lineEndBytes;
            const std::uint64_t room =
                consoleBufferBytes - std::min<std::uint64_t>(consoleBufferBytes, headBytes_ + 64);
            const std::uint64_t fits = room / perLine > 1 ? room / perLine - 1 : 1;
            console_->warning(file.path, 0,
                              "this script file is " + std::to_string(file.bytes) + " bytes, more than the " +
                                  std::to_string(consoleBufferBytes) +
                                  " bytes the game's console holds, so the game runs none of it: set max_lines to " +
                                  std::to_string(fits) + " or less to spread the script over several files");
        }
    }
    lineNumber_ = 1;
    lineLength_ = 0;
    longestLine_ = 0;
    longLines_.clear();
}

bool ScriptOutput::openFile(const std::string& path) {
    if (failed_) return false;
    files_.push_back({path, 0, 0});
    fileOpen_ = mode_ == Mode::Measure;
    if (fileOpen_) return true;
    // No file name holds a NUL byte: opening would name another file.
    if (path.find('\0') != std::string::npos) return fail();
    // Text mode: a line feed is stored as the platform's line end.
    stream_.open(path, std::ios::out | std::ios::trunc);
    if (!stream_.is_open() || !stream_) return fail();
    fileOpen_ = true;
    return true;
}

bool ScriptOutput::open() { return openFile(output_); }

bool ScriptOutput::write(const std::string& text) {
    if (failed_) return false;
    track(text);
    if (mode_ == Mode::Measure) return true;
    stream_ << text;
    if (!stream_) return fail();
    return true;
}

void ScriptOutput::headWritten() {
    lineCount_ = initialLineCount;
    if (!files_.empty()) headBytes_ = files_.back().bytes;
}

bool ScriptOutput::mapLine(const std::string& line) {
    ++lineCount_;
    return write(line);
}

bool ScriptOutput::pointLine(const std::string& line) {
    ++lineCount_;
    if (!write(line)) return false;
    if (maxLines_ == 0 || lineCount_ <= maxLines_) return true;
    ++fileNumber_;
    const std::string next = followOnPath(output_, fileNumber_);
    if (console_ != nullptr) console_->progress("MAX_LINES met ! Now writing to " + next + "\n");
    if (!write("\nexec " + execName(next) + "\n") || !closeFile() || !openFile(next)) return false;
    lineCount_ = 0;
    return write("// TRANSITION \n\n");
}

bool ScriptOutput::closeFile() {
    if (!fileOpen_) return !failed_;
    fileOpen_ = false;
    if (mode_ == Mode::Write) {
        stream_.close();
        if (!stream_ && !failed_) return fail();
    }
    warnAboutLimits();
    return !failed_;
}

bool ScriptOutput::close() { return closeFile(); }
