#include "generator/script.h"

#include "document/document.h"
#include "generator/maps_and_points.h"
#include "generator/menu.h"
#include "generator/script_head.h"
#include "generator/settings.h"
#include "platform/files.h"
#include "toolkit/console.h"

std::vector<std::string> plannedScriptFiles(const Menu& menu, const GeneratorSettings& settings) {
    // The same output that writes the files, measuring counted lines only.
    ScriptOutput plan(settings.output, settings.max_lines, nullptr, ScriptOutput::Mode::Measure);
    plan.open();
    plan.headWritten();
    for (const MenuMap& map : menu.maps) {
        plan.mapLine(std::string());
        for (std::size_t point = 0; point < map.points.size(); ++point) plan.pointLine(std::string());
    }
    plan.close();
    std::vector<std::string> paths;
    for (const ScriptFile& file : plan.files()) paths.push_back(file.path);
    return paths;
}

bool writeScript(Document& document, const GeneratorSettings& settings, const std::string& sourcePath,
                 Toolkit& toolkit, Console& console, Diagnostics& diagnostics, ScriptOutput::Mode mode,
                 std::vector<ScriptFile>* files) {
    const Menu menu = readMenu(document);
    // Any of the files, not only the first, may be the source file.
    for (const std::string& path : plannedScriptFiles(menu, settings)) {
        if (isSameFile(path, sourcePath)) {
            console.message("ERROR : The output file would overwrite the source file.\n");
            return false;
        }
    }
    ScriptOutput output(settings.output, settings.max_lines, &console, mode);
    ControlNames names;
    const bool written =
        writeScriptHead(output, settings, document, menu.lastMapIndex(), toolkit, console, diagnostics, names) &&
        writeMapsAndPoints(menu, document, settings, names, toolkit, output, console, diagnostics) && output.close();
    if (files != nullptr) *files = output.files();
    return written;
}
