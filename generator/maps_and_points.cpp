#include "generator/maps_and_points.h"

#include <iostream>

#include "platform/platform.h"

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
    const Toolkit& toolkit = globalToolkit;  // removeBlanks reads nothing of a toolkit
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

namespace {

// The parts of a run that stay the same for every map and point line.
struct LineParts {
    const ControlNames& names;
    bool previousMapKey;
    bool previousPointKey;
    bool repeat;
};

void appendSet(std::string& line, const std::string& variable, const std::string& target, std::int32_t index) {
    line += "set ";
    line += variable;
    line += " vstr ";
    line += target;
    appendText(line, index);
}

// The map variable line of map `map` (of `lastMap`), whose points are named
// `mapPrefix` and a number up to `lastPoint`.
void mapVariableLine(std::string& line, const LineParts& parts, std::int32_t map, std::int32_t lastMap,
                     const std::string& mapEcho, const std::string& mapPrefix, std::int32_t lastPoint) {
    const ControlNames& names = parts.names;
    line = "seta ";
    line += names.mapSelect;
    appendText(line, map);
    line += " \"echo ";
    line += mapEcho;
    line += ';';
    appendSet(line, names.nextMap, names.mapSelect, nextIndex(map, lastMap));
    line += ';';
    if (parts.previousMapKey) {
        appendSet(line, names.prevMap, names.mapSelect, previousIndex(map, lastMap));
        line += ';';
    }
    appendSet(line, names.nextPoint, mapPrefix, 0);
    line += ';';
    if (parts.previousPointKey) appendSet(line, names.prevPoint, mapPrefix, lastPoint);
    line += "\"\n";
}

// The point variable line of point `point` (of `lastPoint`).
void pointVariableLine(std::string& line, const LineParts& parts, const std::string& mapPrefix, std::int32_t point,
                       std::int32_t lastPoint, const std::string& pointEcho, const std::string& coordinates) {
    const ControlNames& names = parts.names;
    line = "seta ";
    line += mapPrefix;
    appendText(line, point);
    line += " \"echo ";
    line += pointEcho;
    line += ';';
    appendSet(line, names.nextPoint, mapPrefix, nextIndex(point, lastPoint));
    line += ';';
    if (parts.previousPointKey) {
        appendSet(line, names.prevPoint, mapPrefix, previousIndex(point, lastPoint));
        line += ';';
    }
    line += "set ";
    line += names.gotoMap;
    line += " amtele ";
    line += coordinates;
    line += "\"\n";
}

}  // namespace

bool writeMapsAndPoints(Document& document, const GeneratorSettings& settings, const ControlNames& names,
                        std::int32_t lastMapIndex, Toolkit& toolkit, ScriptOutput& output,
                        Diagnostics& diagnostics) {
    const LineParts parts{names, !settings.key_previous_map.empty(), !settings.key_previous_point.empty(),
                          settings.repeat_prefixes == 1};
    const auto suffixLength = static_cast<std::uint32_t>(settings.random_suffix_length);
    const std::string mapEchoPrefix = consoleSafe(settings.global_echo_map_prefix);
    const std::string globalPointPrefix = consoleSafe(settings.global_echo_point_prefix);
    warnIfNotConsoleSafe(document.findText("global_echo_map_prefix"), "the setting global_echo_map_prefix",
                         diagnostics);
    warnIfNotConsoleSafe(document.findText("global_echo_point_prefix"), "the setting global_echo_point_prefix",
                         diagnostics);
    std::string line;

    for (std::int32_t map = 0; map <= lastMapIndex; ++map) {
        const DocumentEntry* mapEntry = document.findText("maps", map);
        const std::string mapName = textOf(mapEntry);
        std::cout << "\nProcessing map " << mapName << "\n" << endMessage;
        const std::string mapPrefix =
            "*" + consoleSafeName(mapName) + toolkit.randomText(suffixLength, randomAlphabet) + "_";
        const std::string mapLabel = "map \"" + consoleSafe(mapName) + "\"";
        warnIfNotConsoleSafe(mapEntry, "the map name \"" + consoleSafe(mapName) + "\"", diagnostics, true);

        document.setSection(mapName);
        const std::int32_t lastPointIndex = document.lastIndex("points");
        const DocumentEntry* displayEntry = document.findText("name");
        warnIfNotConsoleSafe(displayEntry, "the display name of " + mapLabel, diagnostics);
        const std::string mapEcho =
            mapEchoPrefix + repeatAfterSpaces(consoleSafe(textOf(displayEntry)), mapEchoPrefix, parts.repeat);
        mapVariableLine(line, parts, map, lastMapIndex, mapEcho, mapPrefix, lastPointIndex);
        if (!output.write(line)) return false;
        ++output.lineCount;

        // The map's own prefix is the same for every point of the map.
        const DocumentEntry* prefixEntry = document.findText("echo_point_prefix");
        warnIfNotConsoleSafe(prefixEntry, "the echo_point_prefix of " + mapLabel, diagnostics);
        const std::string pointPrefix = globalPointPrefix + consoleSafe(textOf(prefixEntry));

        for (std::int32_t point = 0; point <= lastPointIndex; ++point) {
            const DocumentEntry* pointEntry = document.findText("points", point);
            const PointValue value = splitPointValue(textOf(pointEntry));
            std::cout << "Dealing with point " << value.pointLabel << "\n" << endMessage;
            if (pointEntry != nullptr && !(isConsoleSafe(value.pointLabel) && isConsoleSafe(value.pointCoordinates))) {
                const std::string pointName = "point \"" + consoleSafe(value.pointLabel) + "\" of " + mapLabel;
                warnIfNotConsoleSafe(pointEntry->line, value.pointLabel, "the label of " + pointName, diagnostics);
                warnIfNotConsoleSafe(pointEntry->line, value.pointCoordinates, "the coordinate text of " + pointName,
                                     diagnostics);
            }
            pointVariableLine(line, parts, mapPrefix, point, lastPointIndex,
                              pointPrefix + repeatAfterSpaces(consoleSafe(value.pointLabel), pointPrefix, parts.repeat),
                              consoleSafe(value.pointCoordinates));
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
