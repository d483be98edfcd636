#include "generator/maps_and_points.h"

#include "document/diagnostics.h"
#include "document/document.h"
#include "generator/console_text.h"
#include "generator/menu.h"
#include "generator/script_head.h"
#include "generator/script_output.h"
#include "generator/settings.h"
#include "toolkit/console.h"
#include "toolkit/numbers.h"
#include "toolkit/random.h"
#include "toolkit/toolkit.h"

namespace {

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

bool writeMapsAndPoints(const Menu& menu, const Document& document, const GeneratorSettings& settings,
                        const ControlNames& names, Toolkit& toolkit, ScriptOutput& output, Console& console,
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
    const std::int32_t lastMapIndex = menu.lastMapIndex();
    std::string line;

    for (std::int32_t map = 0; map <= lastMapIndex; ++map) {
        const MenuMap& entry = menu.maps[static_cast<std::size_t>(map)];
        console.progress("\nProcessing map " + entry.name + "\n");
        const std::string mapPrefix =
            "*" + consoleSafeName(entry.name) + toolkit.randomText(suffixLength, randomAlphabet) + "_";
        const std::string mapLabel = "map \"" + consoleSafe(entry.name) + "\"";
        warnIfNotConsoleSafe(entry.nameEntry, "the map name \"" + consoleSafe(entry.name) + "\"", diagnostics, true);

        const auto lastPointIndex = static_cast<std::int32_t>(entry.points.size()) - 1;
        warnIfNotConsoleSafe(entry.displayEntry, "the display name of " + mapLabel, diagnostics);
        const std::string display = entry.displayEntry == nullptr ? std::string() : entry.displayEntry->text;
        const std::string mapEcho =
            mapEchoPrefix + repeatAfterSpaces(consoleSafe(display), mapEchoPrefix, parts.repeat);
        mapVariableLine(line, parts, map, lastMapIndex, mapEcho, mapPrefix, lastPointIndex);
        if (!output.mapLine(line)) return false;

        // The map's own prefix is the same for every point of the map.
        warnIfNotConsoleSafe(entry.prefixEntry, "the echo_point_prefix of " + mapLabel, diagnostics);
        const std::string pointPrefix =
            globalPointPrefix + consoleSafe(entry.prefixEntry == nullptr ? std::string() : entry.prefixEntry->text);

        for (std::int32_t point = 0; point <= lastPointIndex; ++point) {
            const MenuPoint& item = entry.points[static_cast<std::size_t>(point)];
            const PointValue value = splitPointValue(item.value);
            console.progress("Dealing with point " + value.pointLabel + "\n");
            if (item.entry != nullptr && !(isConsoleSafe(value.pointLabel) && isConsoleSafe(value.pointCoordinates))) {
                const std::string pointName = "point \"" + consoleSafe(value.pointLabel) + "\" of " + mapLabel;
                warnIfNotConsoleSafe(item.entry->line, value.pointLabel, "the label of " + pointName, diagnostics);
                warnIfNotConsoleSafe(item.entry->line, value.pointCoordinates, "the coordinate text of " + pointName,
                                     diagnostics);
            }
            pointVariableLine(line, parts, mapPrefix, point, lastPointIndex,
                              pointPrefix + repeatAfterSpaces(consoleSafe(value.pointLabel), pointPrefix, parts.repeat),
                              consoleSafe(value.pointCoordinates));
            if (!output.pointLine(line)) return false;
        }
    }
    return true;
}
