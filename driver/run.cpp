#include "driver/run.h"

#include <iostream>

#include "document/diagnostics.h"
#include "document/document.h"
#include "extractor/extract_file.h"
#include "generator/credits.h"
#include "generator/script.h"
#include "generator/settings.h"
#include "generator/source_checks.h"
#include "platform/console.h"
#include "toolkit/console.h"
#include "toolkit/toolkit.h"

namespace {

void writeCredits(Console& console) {
    console.message("\n** Telvorin\n** by Zorvik Vek\n** email : " + authorMail + "\n** web   : " + authorWeb +
                    "\n\n\n");
}

std::string obtainInputPath(const std::vector<std::string>& arguments, Console& console) {
    if (!arguments.empty()) {
        console.message("\nInput : " + arguments[0] + "\n");
        return arguments[0];
    }
    console.out() << "Enter source file : ";
    std::string path;
    std::cin >> path;  // one word; at the end of input the path stays empty
    return path;
}

void pauseConsole(Console& console) {
    console.message("\n");
    console.message("\n");
    pauseForKey();
}

// Generates the script from the source file at `path`; returns the exit
// status and fills `settings` for the closing steps.
int generate(const std::string& path, Toolkit& toolkit, Document& document, GeneratorSettings& settings,
             Console& console) {
    Diagnostics diagnostics(path, console);
    document.load(path, &diagnostics);
    checkSource(document, diagnostics);
    settings = readGeneratorSettings(document);
    const bool usable = checkGeneratorSettings(settings, console);
    // What the source file says comes first; what writing finds, after it.
    diagnostics.flush();
    if (!usable) return 1;
    const bool written = writeScript(document, settings, path, toolkit, console, diagnostics);
    diagnostics.flush();
    if (!written) return 1;
    if (settings.no_popup == 0) {
        console.message("Displaying output\n");
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
    surviveClosedOutput();
    Console console(std::cout, std::cerr, standardOutputIsTerminal());
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        console.message(usage);
        return 0;
    }
    if (!arguments.empty() && arguments[0] == "--version") {
        console.message(std::string("telvorin ") + TELVORIN_VERSION + "\n");
        return 0;
    }
    Toolkit toolkit;
    Document document;
    setConsoleColours();
    writeCredits(console);
    GeneratorSettings settings;
    const std::string path = obtainInputPath(arguments, console);
    int status = 0;
    if (isConsoleDump(path)) {
        console.message("\nThe input file is a condump... Extracting teleport marker points...\n");
        status = extractConsoleDump(path, console) ? 0 : 1;
    } else {
        status = generate(path, toolkit, document, settings, console);
    }
    console.message("Terminating program\n");
    if (settings.terminate == 0) pauseConsole(console);
    restoreConsoleColours();
    return status;
}
