// Fuzzes a whole generation run, from a source text to the script files,
// which always go into the fuzzer's own folder; the files written are the
// files planned.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "document/diagnostics.h"
#include "document/document.h"
#include "fuzz/fuzz_files.h"
#include "generator/menu.h"
#include "generator/script.h"
#include "generator/settings.h"
#include "generator/source_checks.h"
#include "toolkit/console.h"
#include "toolkit/toolkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeFuzzInput("menu.txt", data, size);
    Document document;
    std::ostringstream messages;
    std::ostringstream warnings;
    Console console(messages, warnings);
    Diagnostics diagnostics("menu.txt", console);
    document.load(path, &diagnostics);
    checkSource(document, diagnostics);
    GeneratorSettings settings = readGeneratorSettings(document);
    if (checkGeneratorSettings(settings, console)) {
        settings.output = fuzzFolder() + "/script.cfg";
        // Keep a run to a bounded number of follow-on files.
        if (settings.max_lines != 0 && settings.max_lines < 4) settings.max_lines = 4;
        Toolkit toolkit;
        std::vector<ScriptFile> files;
        const bool written =
            writeScript(document, settings, path, toolkit, console, diagnostics, ScriptOutput::Mode::Write, &files);
        const std::vector<std::string> planned = plannedScriptFiles(readMenu(document), settings);
        if (!written || files.size() != planned.size()) __builtin_trap();
        for (std::size_t i = 0; i < files.size(); ++i)
            if (files[i].path != planned[i]) __builtin_trap();
    }
    diagnostics.flush();
    return 0;
}
