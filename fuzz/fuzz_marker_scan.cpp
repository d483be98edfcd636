// Fuzzes the console-dump scan against the plainest reading of its rules,
// one line at a time (lines numbered alike), and checks the extract file's
// point lines.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <tuple>
#include <vector>

#include "extractor/extract_file.h"
#include "extractor/marker_scan.h"
#include "fuzz/fuzz_files.h"
#include "toolkit/console.h"
#include "toolkit/line_reader.h"
#include "toolkit/toolkit.h"

namespace {

using Points = std::vector<std::tuple<std::string, std::string, std::int64_t>>;

// Every line, in order: a marker line, else a naming instruction.
Points referenceScan(const std::string& path, std::ostream& console) {
    Points points;
    std::string coordinates = defaultCoordinates;
    LineReader dump(path);
    std::string line;
    for (std::int64_t number = 1; dump.next(line); ++number) {
        if (line.size() > markerPrefix.size() && line.compare(0, markerPrefix.size(), markerPrefix) == 0) {
            coordinates = line.substr(markerPrefix.size(), line.size() - markerPrefix.size() - 1) + " 0";
            console << "Detecting coordinates : '" << coordinates << "'\n";
        } else if (line.find(namingTag) != std::string::npos) {
            const std::string name =
                globalToolkit.removeBlanks(line.substr(line.find(namingTag) + namingTag.size()), true);
            console << "Naming instruction : '" << name << "'\n";
            points.emplace_back(name, coordinates, number);
        }
    }
    return points;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeFuzzInput("condump.txt", data, size);
    std::ostringstream messages, warnings;
    Console console(messages, warnings);
    Points points;
    // A small buffer, so that lines often span two of its fills.
    LineReader dump(path, 1 + size % 61);
    scanConsoleDump(dump, console, [&](const std::string& name, const std::string& coordinates, std::int64_t number) {
        const std::string line = pointLine(name, coordinates);
        if (line.empty() || line[0] != '\t' || line.back() != '\n') __builtin_trap();
        points.push_back({name, coordinates, number});
    });
    std::ostringstream expectedConsole;
    if (referenceScan(path, expectedConsole) != points || expectedConsole.str() != messages.str()) __builtin_trap();
    return 0;
}
