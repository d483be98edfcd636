// Fuzzes the source-file reader, its queries and the source checks.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "document/diagnostics.h"
#include "document/document.h"
#include "fuzz/fuzz_files.h"
#include "generator/source_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeFuzzInput("source.txt", data, size);
    Document document;
    std::ostringstream warnings;
    Diagnostics diagnostics("source.txt", warnings);
    document.load(path, &diagnostics);
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
