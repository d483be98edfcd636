#include "extractor/marker_scan.h"

#include <algorithm>

#include "toolkit/console.h"
#include "toolkit/line_reader.h"
#include "toolkit/toolkit.h"

namespace {

constexpr std::string_view::size_type none = std::string_view::npos;

// Reads the lines of a dump that matter: a dump is mostly other console
// output, so a block of lines is searched as a whole for the two patterns,
// and only the lines that hold one of them are looked at.
class MarkerScan {
public:
    MarkerScan(Console& console, const PointSink& sink) : console_(console), sink_(sink) {}

    void scanBlock(std::string_view block) {
        nextTag_ = block.find(namingTag);
        nextMarker_ = findMarker(block, 0);
        for (std::string_view::size_type from = 0; from < block.size();) {
            if (nextTag_ != none && nextTag_ < from) nextTag_ = block.find(namingTag, from);
            if (nextMarker_ != none && nextMarker_ < from) nextMarker_ = findMarker(block, from);
            const std::string_view::size_type hit = std::min(nextTag_, nextMarker_);
            if (hit == none) return;
            std::string_view::size_type start = hit;
            while (start > from && block[start - 1] != '\n') --start;
            std::string_view::size_type end = block.find('\n', hit);
            if (end == none) end = block.size();
            std::string_view line = block.substr(start, end - start);
            if (end < block.size() && !line.empty() && line.back() == '\r') line.remove_suffix(1);
            countLinesTo(block, start);
            handleLine(line);
            from = end + 1;
        }
    }

    /// Called after each block, to count the lines it held.
    void blockDone(std::string_view block) {
        countLinesTo(block, block.size());
        counted_ = 0;
    }

private:
    // The next marker prefix at the start of a line, from `from` on. Its
    // last character, "(", is rare in console output: look for that first.
    static std::string_view::size_type findMarker(std::string_view block, std::string_view::size_type from) {
        const std::string_view::size_type last = markerPrefix.size() - 1;
        for (std::string_view::size_type at = from + last;; ++at) {
            at = block.find(markerPrefix[last], at);
            if (at == none) return none;
            const std::string_view::size_type start = at - last;
            if ((start == 0 || block[start - 1] == '\n') && block.compare(start, last, markerPrefix, 0, last) == 0)
                return start;
        }
    }

    // Counts the line feeds of `block` before `position`, from where the
    // count stands.
    void countLinesTo(std::string_view block, std::string_view::size_type position) {
        lineNumber_ += std::count(block.data() + counted_, block.data() + position, '\n');
        counted_ = position;
    }

    void handleLine(std::string_view line) {
        if (line.size() > markerPrefix.size() && line.compare(0, markerPrefix.size(), markerPrefix) == 0) {
            // The rest without its last character, normally the closing bracket.
            coordinates_.assign(line.substr(markerPrefix.size(), line.size() - markerPrefix.size() - 1));
            coordinates_ += " 0";
            console_.progress("Detecting coordinates : '" + coordinates_ + "'\n");
            return;
        }
        const std::string_view::size_type tag = line.find(namingTag);
        if (tag == none) return;
        const std::string name = toolkit_.removeBlanks(std::string(line.substr(tag + namingTag.size())), true);
        console_.progress("Naming instruction : '" + name + "'\n");
        sink_(name, coordinates_, lineNumber_);
    }

    Console& console_;
    const PointSink& sink_;
    Toolkit toolkit_;
    // The number of the line that begins at `counted_` in the current block.
    std::int64_t lineNumber_ = 1;
    std::string_view::size_type counted_ = 0;
    std::string coordinates_ = defaultCoordinates;
    // Where the block holds its next naming tag and its next marker prefix at
    // the start of a line, or none.
    std::string_view::size_type nextTag_ = none;
    std::string_view::size_type nextMarker_ = none;
};

}  // namespace

void scanConsoleDump(LineReader& dump, Console& console, const PointSink& sink) {
    MarkerScan scan(console, sink);
    std::string_view block;
    while (dump.nextBlock(block)) {
        scan.scanBlock(block);
        scan.blockDone(block);
    }
}
