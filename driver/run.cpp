#include "driver/run.h"

#include <iostream>

#include "document/diagnostics.h"
#include "document/document.h"
#include "extractor/extract_file.h"
#include "generator/credits.h"
#include "generator/maps_and_points.h"
#include "generator/script_head.h"
#include "generator/script_output.h"
#include "generator/settings.h"
#include "generator/source_checks.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "toolkit/toolkit.h"

namespace {

void writeCredits() {
    std::cout << "\n** Telvorin\n** by Zorvik Vek\n** email : " << authorMail << "\n** web   : " << authorWeb
              << "\n\n\n";
}

std::string obtainInputPath(const std::vector<std::string>& arguments) {
    if (!arguments.empty()) {
        std::cout << "\nInput : " << arguments[0] << "\n" << std::flush;
        return arguments[0];
    }
    std::cout << "Enter source file : ";
    std::string path;
    std::cin >> path;  // one word; at the end of input the path stays empty
    return path;
}

void pauseConsole() {
    std::cout << "\n" << std::flush << "\n" << std::flush;
    pauseForKey();
}

// Returns true when writing the script would overwrite the source file at
// `sourcePath`: when `output`, or one of the follow-on files this run
// writes, is that very file.
bool wouldOverwriteSource(const std::string& sourcePath, const GeneratorSettings& settings, Document& document) {
    if (isSameFile(settings.output, sourcePath)) return true;
    // Only follow-on files that exist already can be the source file.
    for (std::int32_t number = 1; fileExists(followOnPath(settings.output, number)); ++number) {
        if (!isSameFile(followOnPath(settings.output, number), sourcePath)) continue;
        return number <= countFollowOnFiles(document, document.lastIndex("maps"), settings.max_lines);
    }
    return false;
}

// Generates the script from the source file at `path`; returns the exit
// status and fills `settings` for the closing steps.
int generate(const std::string& path, Toolkit& toolkit, Document& document, ScriptOutput& output,
             GeneratorSettings& settings) {
    Diagnostics diagnostics(path, std::cerr);
    document.load(path, &diagnostics);
    checkSource(document, diagnostics);
    settings = readGeneratorSettings(document);
    const bool usable = checkGeneratorSettings(settings);
    // What the source file says comes first; what writing finds, after it.
    diagnostics.flush();
    if (!usable) return 1;
    if (wouldOverwriteSource(path, settings, document)) {
        std::cout << "ERROR : The output file would overwrite the source file.\n" << std::flush;
        return 1;
    }
    ScriptHead head;
    output.limitWarnings = &std::cerr;
    const bool written = writeScriptHead(output, settings, document, toolkit, diagnostics, head) &&
                         writeMapsAndPoints(document, settings, head.names, head.lastMapIndex, toolkit, output,
                                            diagnostics) &&
                         output.close();
    diagnostics.flush();
    if (!written) return 1;
    if (settings.no_popup == 0) {
        std::cout << "Displaying output\n" << std::flush;
        openInDesktopShell(settings.output);
    }
    return 0;
}

const char usage[] =
    "Usage: telvorin [FILE]\n"
    "\n"
    "Writes a teleport menu script for the game console from a source file, or\n"
    "extracts the points marked in the game from a dump of the game console.\n"
    "Without FILE, asks for it at a prompt.\n"
    "\n"
    "  telvorin menu.txt       reads the source file menu.txt and writes the script\n"
    "                          its \"output\" setting names, continued in the files\n"
    "                          OUTPUT_1, OUTPUT_2, ... when it sets \"max_lines\"\n"
    "  telvorin condump.txt    a FILE whose name ends in \"condump.txt\" is a console\n"
    "                          dump: writes condump_extract.txt in its folder, one\n"
    "                          point line per \"$$$ name\" line, to paste into a\n"
    "                          source file\n"
    "\n"
    "At the end the written file is opened in the desktop shell and the program\n"
    "waits for a key; the source-file settings no_popup and terminate switch\n"
    "these off. Warnings about the source file go to standard error.\n"
    "\n"
    "Exit status: 0 when the file was written, 1 after an error.\n"
    "\n"
    "  -h, --help     show this help\n"
    "  --version      show the version\n";

}  // namespace

bool isConsoleDump(const std::string& path) {
    return path.size() >= consoleDumpSuffix.size() &&
           path.compare(path.size() - consoleDumpSuffix.size(), consoleDumpSuffix.size(), consoleDumpSuffix) == 0;
}

int runTelvorin(const std::vector<std::string>& arguments) {
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << usage << std::flush;
        return 0;
    }
    if (!arguments.empty() && arguments[0] == "--version") {
        std::cout << "telvorin " << TELVORIN_VERSION << "\n" << std::flush;
        return 0;
    }
    Toolkit toolkit;
    Document document;
    setConsoleColours();
    writeCredits();
    ScriptOutput output;
    GeneratorSettings settings;
    const std::string path = obtainInputPath(arguments);
    int status = 0;
    if (isConsoleDump(path)) {
        std::cout << "\nThe input file is a condump... Extracting teleport marker points...\n" << std::flush;
        status = extractConsoleDump(path) ? 0 : 1;
    } else {
        status = generate(path, toolkit, document, output, settings);
    }
    std::cout << "Terminating program\n" << std::flush;
    if (settings.terminate == 0) pauseConsole();
    restoreConsoleColours();
    return status;
}
