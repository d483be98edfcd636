#include "extractor/extract_file.h"

#include <fstream>
#include <iostream>

#include "extractor/marker_scan.h"
#include "platform/platform.h"
#include "toolkit/line_reader.h"
#include "toolkit/toolkit.h"

std::string extractFilePath(const std::string& inputPath) {
    return joinNonEmpty(folderOf(inputPath), std::string(1, folderSeparator)) + extractFileName;
}

std::string pointLine(const std::string& name, const std::string& coordinates) {
    std::string safeName = name;
    for (char& c : safeName)
        if (c == ';') c = ',';
    return "\t" + safeName + " ; " + coordinates + "\n";
}

bool extractConsoleDump(const std::string& inputPath) {
    const std::string path = extractFilePath(inputPath);
    bool written = false;
    LineReader dump(inputPath);
    if (!dump.isOpen()) {
        std::cout << "Error opening condump file...\n" << std::flush;
    } else {
        // Created only now that the dump is open, so a failed run never
        // empties an earlier extract file.
        std::ofstream extract(path, std::ios::out | std::ios::trunc);
        scanConsoleDump(dump, [&extract](const std::string& name, const std::string& coordinates) {
            if (name.find(';') != std::string::npos) {
                std::cout.flush();  // so that the warning stands after the name's message
                std::cerr << "warning: the point name \"" << name
                          << "\" is written with commas for its \";\", which would end the name in a source file\n"
                          << std::flush;
            }
            extract << pointLine(name, coordinates);
        });
        extract.close();
        written = !extract.fail();
        if (written) {
            std::cout << "Output : " << extractFileName << "\n" << std::flush;
            openInDesktopShell(path);
        } else {
            std::cout << "ERROR : Cannot write the extract file " << path << "\n" << std::flush;
        }
    }
    std::cout << "Terminating condump extraction process...\n\n" << std::flush;
    return written;
}
