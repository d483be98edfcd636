#include "extractor/extract_file.h"

#include <fstream>

#include "extractor/marker_scan.h"
#include "platform/console.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "toolkit/console.h"
#include "toolkit/line_reader.h"
#include "toolkit/toolkit.h"

std::string extractFilePath(const std::string& inputPath) {
    return joinNonEmpty(folderOf(inputPath, folderSeparator), std::string(1, folderSeparator)) + extractFileName;
}

std::string pointLine(const std::string& name, const std::string& coordinates) {
    std::string safeName = name;
    for (char& c : safeName)
        if (c == ';') c = ',';
    return "\t" + safeName + " ; " + coordinates + "\n";
}

bool extractConsoleDump(const std::string& inputPath, Console& console) {
    const std::string path = extractFilePath(inputPath);
    bool written = false;
    LineReader dump(inputPath);
    if (!dump.isOpen()) {
        console.message("Error opening condump file...\n");
    } else if (isSameFile(path, inputPath)) {
        console.message("ERROR : The extract file would overwrite the console dump.\n");
    } else {
        // Created only now that the dump is open, so a failed run never
        // empties an earlier extract file.
        std::ofstream extract(path, std::ios::out | std::ios::trunc);
        scanConsoleDump(dump, console,
                        [&](const std::string& name, const std::string& coordinates, std::int64_t line) {
                            if (name.find(';') != std::string::npos)
                                console.warning(inputPath, line,
                                                "the point name \"" + name +
                                                    "\" is written with commas for its \";\", which would end "
                                                    "the name in a source file");
                            extract << pointLine(name, coordinates);
                        });
        extract.close();
        written = !extract.fail();
        if (written) {
            console.message("Output : " + extractFileName + "\n");
            openInDesktopShell(path);
        } else {
            console.message("ERROR : Cannot write the extract file " + path + "\n");
        }
    }
    console.message("Terminating condump extraction process...\n\n");
    return written;
}
