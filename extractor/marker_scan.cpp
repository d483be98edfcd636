#include "extractor/marker_scan.h"

#include <iostream>

#include "toolkit/line_reader.h"
#include "toolkit/toolkit.h"

void scanConsoleDump(LineReader& dump, const PointSink& sink) {
    Toolkit toolkit;
    std::string coordinates = defaultCoordinates;
    std::string line;
    while (dump.next(line)) {
        if (line.size() > markerPrefix.size() && line.compare(0, markerPrefix.size(), markerPrefix) == 0) {
            // The rest without its last character, normally the closing bracket.
            coordinates.assign(line, markerPrefix.size(), line.size() - markerPrefix.size() - 1);
            coordinates += " 0";
            std::cout << "Detecting coordinates : '" << coordinates << "'\n" << std::flush;
            continue;
        }
        const std::string::size_type tag = line.find(namingTag);
        if (tag == std::string::npos) continue;
        const std::string name = toolkit.removeBlanks(line.substr(tag + namingTag.size()), true);
        std::cout << "Naming instruction : '" << name << "'\n" << std::flush;
        sink(name, coordinates);
    }
}
