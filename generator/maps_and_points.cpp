#include "generator/maps_and_points.h"

#include <iostream>

#include "document/diagnostics.h"
#include "document/document.h"
#include "generator/console_text.h"
#include "generator/script_head.h"
#include "generator/script_output.h"
#include "generator/settings.h"
#include "toolkit/numbers.h"
#include "toolkit/random.h"
#include "toolkit/toolkit.h"

namespace {

std::string textOf(const DocumentEntry* entry) { return entry == nullptr ? std::string() : entry->text; }

// Returns the index after `index` in a list whose last index is `last`, or
// the first one after the last.
std::int32_t nextIndex(std::int32_t index, std::int32_t last) { return index < last ? index + 1 : 0; }

std::int32_t previousIndex(std::int32_t index, std::int32_t last) { return index > 0 ? index - 1 : last; }

}  // namespace

PointValue splitPointValue(const std::string& value) {
    Toolkit toolkit;
    PointValue point;
    const std::string::size_type separator = value.find(';');
    if (separator == std::string::npos) {
        point.pointLabel = toolkit.removeBlanks(value, true);
        point.pointCoordinates = defaultCoordinates;
    } else {
        point.pointLabel = toolkit.removeBlanks(value.substr(0, separator), true);
        point.pointCoordinates = toolkit.removeBlanks(value.substr(separator + 1), true);
    }
    return point;
}

std::string repeatAfterSpaces(const std::string& text, const std::string& prefix, bool repeat) {
    if (!repeat) return text;
    return globalToolkit.replace(" ", " " + prefix, text, -1, 0);
}

bool writeMapsAndPoints(Document& document, const GeneratorSettings& settings, const ControlNames& names,
                        std::int32_t lastMapIndex, Toolkit& toolkit, ScriptOutput& output,
                        Diagnostics& diagnostics) {
    const bool previousMapKey = !settings.key_previous_map.empty();
    const bool previousPointKey = !settings.key_previous_point.empty();
    const bool repeat = settings.repeat_prefixes == 1;
    const auto suffixLength = static_cast<std::uint32_t>(settings.random_suffix_length);
    const std::string mapEchoPrefix = consoleSafe(settings.global_echo_map_prefix);
    const std::string globalPointPrefix = consoleSafe(settings.global_echo_point_prefix);
    warnIfNotConsoleSafe(document.findText("global_echo_map_prefix"), "the setting global_echo_map_prefix",
                         diagnostics);
    warnIfNotConsoleSafe(document.findText("global_echo_point_prefix"), "the setting global_echo_point_prefix",
                         diagnostics);

    for (std::int32_t map = 0; map <= lastMapIndex; ++map) {
        const DocumentEntry* mapEntry = document.findText("maps", map);
        const std::string mapName = textOf(mapEntry);
        std::cout << "\nProcessing map " << mapName << "\n" << std::flush;
        const std::string mapPrefix =
            "*" + consoleSafeName(mapName) + toolkit.randomText(suffixLength, randomAlphabet) + "_";
        warnIfNotConsoleSafe(mapEntry, "the map name \"" + consoleSafe(mapName) + "\"", diagnostics, true);
        const std::string mapLabel = "map \"" + consoleSafe(mapName) + "\"";

        document.setSection(mapName);
        const std::int32_t lastPointIndex = document.lastIndex("points");
        const DocumentEntry* displayEntry = document.findText("name");
        warnIfNotConsoleSafe(displayEntry, "the display name of " + mapLabel, diagnostics);
        const std::string mapEcho = mapEchoPrefix + repeatAfterSpaces(consoleSafe(textOf(displayEntry)), mapEchoPrefix, repeat);

        std::string line = "seta " + names.mapSelect + toText(map) + " \"echo " + mapEcho + ";set " + names.nextMap +
                           " vstr " + names.mapSelect + toText(nextIndex(map, lastMapIndex)) + ";";
        if (previousMapKey)
            line += "set " + names.prevMap + " vstr " + names.mapSelect + toText(previousIndex(map, lastMapIndex)) + ";";
        line += "set " + names.nextPoint + " vstr " + mapPrefix + "0;";
        if (previousPointKey) line += "set " + names.prevPoint + " vstr " + mapPrefix + toText(lastPointIndex);
        line += "\"\n";
        if (!output.write(line)) return false;
        ++output.lineCount;

        // The map's own prefix is the same for every point of the map.
        const DocumentEntry* prefixEntry = document.findText("echo_point_prefix");
        warnIfNotConsoleSafe(prefixEntry, "the echo_point_prefix of " + mapLabel, diagnostics);
        const std::string pointPrefix = globalPointPrefix + consoleSafe(textOf(prefixEntry));

        for (std::int32_t point = 0; point <= lastPointIndex; ++point) {
            const DocumentEntry* pointEntry = document.findText("points", point);
            const PointValue value = splitPointValue(textOf(pointEntry));
            std::cout << "Dealing with point " << value.pointLabel << "\n" << std::flush;
            if (pointEntry != nullptr) {
                const std::string pointName = "point \"" + consoleSafe(value.pointLabel) + "\" of " + mapLabel;
                warnIfNotConsoleSafe(pointEntry->line, value.pointLabel, "the label of " + pointName, diagnostics);
                warnIfNotConsoleSafe(pointEntry->line, value.pointCoordinates, "the coordinate text of " + pointName,
                                     diagnostics);
            }
            line = "seta " + mapPrefix + toText(point) + " \"echo " + pointPrefix +
                   repeatAfterSpaces(consoleSafe(value.pointLabel), pointPrefix, repeat) + ";set " + names.nextPoint +
                   " vstr " + mapPrefix + toText(nextIndex(point, lastPointIndex)) + ";";
            if (previousPointKey)
                line += "set " + names.prevPoint + " vstr " + mapPrefix +
                        toText(previousIndex(point, lastPointIndex)) + ";";
            line += "set " + names.gotoMap + " amtele " + consoleSafe(value.pointCoordinates) + "\"\n";
            ++output.lineCount;
            if (!output.write(line) || !output.chainIfFull(settings.max_lines, settings.output)) return false;
        }
        document.setSection(std::string());
    }
    return true;
}

std::int32_t countFollowOnFiles(Document& document, std::int32_t lastMapIndex, std::uint32_t maxLines) {
    if (maxLines == 0) return 0;
    std::uint32_t lineCount = initialLineCount;
    std::int32_t files = 0;
    for (std::int32_t map = 0; map <= lastMapIndex; ++map) {
        document.setSection(document.getText("maps", map));
        const std::int32_t lastPointIndex = document.lastIndex("points");
        document.setSection(std::string());
        ++lineCount;
        for (std::int32_t point = 0; point <= lastPointIndex; ++point) {
            if (++lineCount > maxLines) {
                ++files;
                lineCount = 0;
            }
        }
    }
    return files;
}
