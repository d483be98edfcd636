// Document::load: reads a source file, one line at a time, into the table.
#include <string>
#include <utility>

#include "document/diagnostics.h"
#include "document/document.h"
#include "toolkit/line_reader.h"
#include "toolkit/numbers.h"
#include "toolkit/toolkit.h"

namespace {

const std::string sectionSign = "\xA7";

bool beginsWith(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

// The state of one reading of a source file.
class SourceReader {
public:
    SourceReader(Document& document, Diagnostics* diagnostics)
        : document_(document), diagnostics_(diagnostics) {}

    void read(LineReader& file);

private:
    void handle(const std::string& trimmed);
    void entryLine(const std::string& trimmed, EntryKind kind);
    void directive(const std::string& trimmed);
    void sectionStart(const std::string& trimmed);
    void sectionEnd(const std::string& trimmed);
    void continuation(const std::string& trimmed);
    void closeList(bool byBrace = false);
    void store(std::string key, EntryKind kind, std::string text, double number);
    std::string cleanValue(const std::string& value) const;
    void warn(const std::string& message) {
        if (diagnostics_ != nullptr) diagnostics_->warn(lineNumber_, message);
    }
    void warnAtEnd();

    Document& document_;
    Diagnostics* diagnostics_;
    std::string sectionPath_;
    std::string listName_;
    std::int32_t listIndex_ = -1;
    EntryKind listKind_ = EntryKind::Text;
    bool inComment_ = false;
    std::int32_t stored_ = 0;
    double listNumber_ = 0;

    // Only for the warnings.
    std::int32_t lineNumber_ = 0;
    std::int32_t commentLine_ = 0;
    std::int32_t lastSectionLine_ = 0;
    bool listClosedByBrace_ = false;
    bool inIgnoredRun_ = false;
};

void SourceReader::read(LineReader& file) {
    std::string line;
    while (stored_ < documentCapacity && file.next(line)) {
        ++lineNumber_;
        handle(globalToolkit.removeBlanks(line, true));
    }
    if (diagnostics_ != nullptr) {
        if (stored_ >= documentCapacity && file.next(line)) {
            ++lineNumber_;
            warn("the table is full (" + toText(documentCapacity) +
                 " entries): this line and every line after it are not read; split the maps over "
                 "several source files");
        } else {
            warnAtEnd();  // what is still open at the end, when the end was read
        }
    }
    document_.entryCount = stored_;
}

void SourceReader::warnAtEnd() {
    if (inComment_)
        diagnostics_->warn(commentLine_, "this block comment is never closed: the rest of the file is "
                                         "a comment; end it with a line holding only \"*/\"");
    if (!sectionPath_.empty() && sectionPath_ != ".")
        diagnostics_->warn(lastSectionLine_, "sections are still open at the end of the file (the path is \"" +
                                                 sectionPath_ + "\"): a \"}\" line is missing");
}

void SourceReader::handle(const std::string& trimmed) {
    if (trimmed.empty()) return;
    if (trimmed == "*/") {
        inComment_ = false;
        return;
    }
    if (inComment_) return;
    const char first = trimmed[0];
    if (first == '$' || first == '%' || first == '#' || first == '{' || first == '}') inIgnoredRun_ = false;
    switch (first) {
        case '/':
            if (beginsWith(globalToolkit.removeBlanks(trimmed.substr(1), true), "*")) {
                inComment_ = true;
                commentLine_ = lineNumber_;
            }
            return;
        case '$': entryLine(trimmed, EntryKind::Text); return;
        case '%': entryLine(trimmed, EntryKind::Number); return;
        case '&': return;
        case '#': directive(trimmed); return;
        case '{': sectionStart(trimmed); return;
        case '}': sectionEnd(trimmed); return;
        default:
            if (first == sectionSign[0]) return;
            continuation(trimmed);
    }
}

void SourceReader::closeList(bool byBrace) {
    listClosedByBrace_ = byBrace && (listClosedByBrace_ || !listName_.empty());
    listName_.clear();
    listIndex_ = -1;
}

void SourceReader::store(std::string key, EntryKind kind, std::string text, double number) {
    DocumentEntry& entry = document_.entries[static_cast<std::size_t>(stored_)];
    entry.setKey(std::move(key));
    entry.kind = kind;
    if (kind == EntryKind::Text)
        entry.text = std::move(text);
    else
        entry.number = number;
    entry.line = lineNumber_;
    ++stored_;
}

std::string SourceReader::cleanValue(const std::string& value) const {
    std::string v = globalToolkit.removeBlanks(value, true);
    if (v.empty()) return v;
    if (v.front() == '"' && v.back() == '"') v = v.size() < 2 ? std::string() : v.substr(1, v.size() - 2);
    if (!document_.crToken.empty()) v = globalToolkit.replace(document_.crToken, "\n", v, -1, 0);
    return v;
}

void SourceReader::entryLine(const std::string& trimmed, EntryKind kind) {
    const bool text = kind == EntryKind::Text;
    const std::string sign = text ? "$" : "%";
    std::string rest = globalToolkit.removeBlanks(trimmed.substr(1), true);
    const bool listStart = beginsWith(rest, "()");
    if (listStart) {
        rest = globalToolkit.removeBlanks(rest.substr(2), true);
        listIndex_ = 0;
        listKind_ = kind;
    } else {
        closeList();
    }
    const std::string::size_type equals = rest.find('=');
    if (equals == std::string::npos) {
        warn(listStart ? "this \"" + sign + "()\" line has no \"=\": it starts no list; write \"" + sign +
                             "() name = first item\""
                       : "this \"" + sign + "\" line has no \"=\": it sets nothing; write \"" + sign +
                             " name = value\"");
        return;
    }
    const std::string name = globalToolkit.removeBlanks(rest.substr(0, equals), true);
    const std::string value = rest.substr(equals + 1);
    if (listStart) {
        listName_ = name;
        listClosedByBrace_ = false;
        // A number list's first item is read as it stands, not cleaned.
        if (!text) toNumber(value, listNumber_);
        store(sectionPath_ + listName_ + "(0)", kind, text ? cleanValue(value) : std::string(), listNumber_);
        listIndex_ = 1;
    } else if (text) {
        store(sectionPath_ + name, kind, cleanValue(value), 0);
    } else {
        std::string cleaned = cleanValue(value);
        if (cleaned.empty()) cleaned = "0";
        double number = 0;
        toNumber(cleaned, number);
        store(sectionPath_ + name, kind, std::string(), number);
    }
}

void SourceReader::directive(const std::string& trimmed) {
    closeList();
    const std::string d = globalToolkit.removeBlanks(globalToolkit.removeBlanks(trimmed.substr(1), true), false);
    if (d.size() >= 3 && beginsWith(d, "CR=")) document_.crToken = cleanValue(globalToolkit.replace("CR=", "", d, 1, 0));
}

void SourceReader::sectionStart(const std::string& trimmed) {
    closeList(true);
    const std::string name = globalToolkit.removeBlanks(trimmed.substr(1), true);
    if (sectionPath_.empty()) document_.topLevelSections.push_back({name, lineNumber_});
    sectionPath_ += name + ".";
    lastSectionLine_ = lineNumber_;
}

void SourceReader::sectionEnd(const std::string& trimmed) {
    if (globalToolkit.countOccurrences("#", trimmed) > 0) {
        sectionPath_.clear();
        return;
    }
    const std::int32_t closings = globalToolkit.countOccurrences("}", trimmed);
    for (std::int32_t i = 0; i < closings; ++i) {
        if (sectionPath_.empty()) {
            warn("more \"}\" than open sections: this one closes nothing");
            return;  // an empty path stays empty
        }
        const std::string::size_type last =
            sectionPath_.size() < 2 ? sectionPath_.rfind('.') : sectionPath_.rfind('.', sectionPath_.size() - 2);
        if (last == std::string::npos)
            sectionPath_.clear();
        else
            sectionPath_.resize(last + 1);
    }
}

void SourceReader::continuation(const std::string& trimmed) {
    if (listName_.empty()) {
        if (inIgnoredRun_) return;
        inIgnoredRun_ = true;
        if (lineNumber_ == 1 && beginsWith(trimmed, "\xEF\xBB\xBF"))
            warn("the file begins with a UTF-8 byte-order mark, which makes this line a list item with no list; "
                 "save the file without it");
        else if (listClosedByBrace_)
            warn("this list item is ignored, and the items right after it: the list ended at the \"{\" line "
                 "before it; put the section after the list's last item");
        else
            warn("this line is ignored, and the list items right after it: no list is open; start the list "
                 "with \"$() name = first item\"");
        return;
    }
    const std::string key = sectionPath_ + listName_ + "(" + toText(static_cast<std::uint32_t>(listIndex_)) + ")";
    if (listKind_ == EntryKind::Text) {
        store(key, EntryKind::Text, cleanValue(trimmed), 0);
    } else {
        toNumber(globalToolkit.removeBlanks(trimmed, false), listNumber_);
        store(key, EntryKind::Number, std::string(), listNumber_);
    }
    ++listIndex_;
}

}  // namespace

int Document::load(const std::string& path, Diagnostics* diagnostics) {
    topLevelSections.clear();
    LineReader file(path);
    if (!file.isOpen()) {
        entryCount = 0;
        return 2;
    }
    SourceReader reader(*this, diagnostics);
    reader.read(file);
    return 0;
}
