// Fuzzes the source-file reader, its queries and the source checks.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "document/diagnostics.h"
#include "document/document.h"
#include "fuzz/fuzz_files.h"
#include "generator/source_checks.h"
#include "toolkit/console.h"
#include "toolkit/line_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeFuzzInput("source.txt", data, size);
    Document document;
    std::ostringstream messages, warnings;
    Console console(messages, warnings);
    Diagnostics diagnostics("source.txt", console);
    document.load(path, &diagnostics);
    // The same file through a small buffer reads the same.
    {
        LineReader whole(path);
        LineReader small(path, 1 + size % 61);
        std::string a, b;
        for (;;) {
            const bool more = whole.next(a);
            if (more != small.next(b) || a != b) __builtin_trap();
            if (!more) break;
        }
    }
    checkSource(document, diagnostics);
    diagnostics.flush();
    const std::int32_t lastMap = document.lastIndex("maps");
    for (std::int32_t map = 0; map <= lastMap && map < 50; ++map) {
        document.setSection(document.getText("maps", map));
        const std::int32_t lastPoint = document.lastIndex("points");
        for (std::int32_t point = 0; point <= lastPoint && point < 50; ++point) document.getText("points", point);
        document.getNumber("name");
        document.setSection("");
    }
    return 0;
}
