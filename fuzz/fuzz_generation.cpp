// Fuzzes a whole generation run, from a source text to the script files,
// which always go into the fuzzer's own folder.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>

#include "document/diagnostics.h"
#include "document/document.h"
#include "fuzz/fuzz_files.h"
#include "generator/maps_and_points.h"
#include "generator/script_head.h"
#include "generator/script_output.h"
#include "generator/settings.h"
#include "generator/source_checks.h"
#include "toolkit/toolkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeFuzzInput("menu.txt", data, size);
    Document document;
    std::ostringstream console;
    std::ostringstream warnings;
    std::streambuf* saved = std::cout.rdbuf(console.rdbuf());
    Diagnostics diagnostics("menu.txt", warnings);
    document.load(path, &diagnostics);
    checkSource(document, diagnostics);
    GeneratorSettings settings = readGeneratorSettings(document);
    if (checkGeneratorSettings(settings)) {
        settings.output = fuzzFolder() + "/script.cfg";
        // Keep a run to a bounded number of follow-on files.
        if (settings.max_lines != 0 && settings.max_lines < 4) settings.max_lines = 4;
        Toolkit toolkit;
        ScriptOutput output;
        output.limitWarnings = &warnings;
        ScriptHead head;
        if (writeScriptHead(output, settings, document, toolkit, diagnostics, head))
            writeMapsAndPoints(document, settings, head.names, head.lastMapIndex, toolkit, output, diagnostics);
        output.close();
    }
    diagnostics.flush();
    std::cout.rdbuf(saved);
    return 0;
}
