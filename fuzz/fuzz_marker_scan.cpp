// Fuzzes the console-dump scan and the extract file's point lines.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>

#include "extractor/extract_file.h"
#include "extractor/marker_scan.h"
#include "fuzz/fuzz_files.h"
#include "toolkit/line_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeFuzzInput("condump.txt", data, size);
    std::ostringstream console;
    std::streambuf* saved = std::cout.rdbuf(console.rdbuf());
    LineReader dump(path);
    std::size_t points = 0;
    scanConsoleDump(dump, [&points](const std::string& name, const std::string& coordinates) {
        const std::string line = pointLine(name, coordinates);
        if (line.empty() || line[0] != '\t' || line.back() != '\n') __builtin_trap();
        ++points;
    });
    std::cout.rdbuf(saved);
    return 0;
}
