#include "generator/source_checks.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "document/diagnostics.h"
#include "document/document.h"
#include "toolkit/toolkit.h"

namespace {

const char* const textSettings[] = {"output",         "key_next_map",           "key_previous_map",
                                    "key_next_point", "key_previous_point",     "key_go",
                                    "global_echo_map_prefix", "global_echo_point_prefix"};
const char* const numberSettings[] = {"no_popup", "terminate", "random_suffix_length", "repeat_prefixes",
                                      "max_lines"};

bool isDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Splits a list item's key "name(12)" into "name" and 12; false for other keys.
bool splitListKey(const std::string& key, std::string& name, unsigned long& index) {
    if (key.empty() || key.back() != ')') return false;
    const std::string::size_type open = key.rfind('(');
    if (open == std::string::npos) return false;
    const std::string digits = key.substr(open + 1, key.size() - open - 2);
    if (!isDigits(digits) || digits.size() > 9) return false;
    name = key.substr(0, open);
    index = std::stoul(digits);
    return true;
}

// Returns the name among `candidates` nearest to `name`, when it is close
// enough to be a slip of the keyboard; empty otherwise.
constexpr std::size_t maxSuggestionCandidates = 1000;

template <typename Names>
std::string nearestName(const std::string& name, const Names& candidates) {
    std::string best;
    std::size_t bestDistance = 0;
    for (const auto& candidate : candidates) {
        const std::string text = candidate;
        if (text.size() > name.size() + 2 || name.size() > text.size() + 2) continue;
        const std::size_t distance = editDistance(name, text);
        if (distance == 0 || distance > 2 || 2 * distance >= text.size()) continue;
        if (best.empty() || distance < bestDistance) {
            best = text;
            bestDistance = distance;
        }
    }
    return best;
}

void checkSettings(const Document& document, Diagnostics& diagnostics) {
    for (const char* name : textSettings) {
        if (document.findText(name) != nullptr) continue;
        for (std::int32_t row = 0; row < document.entryCount; ++row) {
            const DocumentEntry& entry = document.entries[static_cast<std::size_t>(row)];
            if (entry.key == name && entry.kind == EntryKind::Number) {
                diagnostics.warn(entry.line, std::string(name) + " is a text setting, but this \"%\" line gives a "
                                                                 "number, so it stays unset; write it on a \"$\" line");
                break;
            }
        }
    }
    for (const char* name : numberSettings) {
        bool hasNumber = false;
        const DocumentEntry* textEntry = nullptr;
        for (std::int32_t row = 0; row < document.entryCount; ++row) {
            const DocumentEntry& entry = document.entries[static_cast<std::size_t>(row)];
            if (entry.key != name) continue;
            if (entry.kind == EntryKind::Number) hasNumber = true;
            if (entry.kind == EntryKind::Text && textEntry == nullptr) textEntry = &entry;
        }
        if (!hasNumber && textEntry != nullptr)
            diagnostics.warn(textEntry->line, std::string(name) + " is a number setting, but this \"$\" line gives a "
                                                                   "text, so it stays 0; write it on a \"%\" line");
    }

    // Top-level names that are no setting but close to one.
    std::vector<std::string> known(std::begin(textSettings), std::end(textSettings));
    known.insert(known.end(), std::begin(numberSettings), std::end(numberSettings));
    known.push_back("maps");
    std::set<std::string> seen;
    for (std::int32_t row = 0; row < document.entryCount; ++row) {
        const DocumentEntry& entry = document.entries[static_cast<std::size_t>(row)];
        std::string name = entry.key;
        unsigned long index = 0;
        splitListKey(entry.key, name, index);
        if (name.find('.') != std::string::npos || std::find(known.begin(), known.end(), name) != known.end() ||
            !seen.insert(name).second)
            continue;
        const std::string suggestion = nearestName(name, known);
        if (!suggestion.empty())
            diagnostics.warn(entry.line, "\"" + name + "\" is not a setting, so this line is not read: did you mean \"" +
                                             suggestion + "\"?");
    }
}

// One list item: the row of its last text entry (-1 when it has none) and
// the line of its first entry.
struct ListItem {
    std::int32_t textRow = -1;
    std::int32_t line = 0;
};

using Lists = std::map<std::string, std::map<unsigned long, ListItem>>;

Lists collectLists(const Document& document) {
    Lists lists;
    for (std::int32_t row = 0; row < document.entryCount; ++row) {
        const DocumentEntry& entry = document.entries[static_cast<std::size_t>(row)];
        std::string name;
        unsigned long index = 0;
        if (!splitListKey(entry.key, name, index)) continue;
        ListItem& item = lists[name][index];
        if (item.line == 0) item.line = entry.line;
        if (entry.kind == EntryKind::Text) item.textRow = row;
    }
    return lists;
}

// Returns the items of `name` that the generator reads: those numbered
// from 0 without a gap.
std::vector<ListItem> readItems(const Lists& lists, const std::string& name) {
    std::vector<ListItem> items;
    const auto list = lists.find(name);
    if (list == lists.end()) return items;
    for (const auto& [index, item] : list->second) {
        if (index != items.size()) break;
        items.push_back(item);
    }
    return items;
}

void checkLists(const Lists& lists, Diagnostics& diagnostics) {
    for (const auto& [name, items] : lists) {
        unsigned long next = 0;
        for (const auto& [index, item] : items) {
            if (index != next) {
                diagnostics.warn(item.line, "the list \"" + name + "\" has no item " + std::to_string(next) +
                                                ", so this item and the ones after it are never read");
                break;
            }
            ++next;
        }
    }
}

void checkMaps(const Document& document, const Lists& lists, Diagnostics& diagnostics) {
    std::vector<std::string> sectionNames;
    for (const Diagnostics::Section& section : diagnostics.topLevelSections) sectionNames.push_back(section.name);
    std::vector<std::string> keys;
    for (std::int32_t row = 0; row < document.entryCount; ++row)
        keys.push_back(document.entries[static_cast<std::size_t>(row)].key);
    std::sort(keys.begin(), keys.end());
    const auto hasKeyStartingWith = [&keys](const std::string& prefix) {
        const auto found = std::lower_bound(keys.begin(), keys.end(), prefix);
        return found != keys.end() && found->compare(0, prefix.size(), prefix) == 0;
    };

    std::vector<std::string> mapNames;
    for (const ListItem& map : readItems(lists, "maps")) {
        if (map.textRow < 0) continue;
        const DocumentEntry& entry = document.entries[static_cast<std::size_t>(map.textRow)];
        const std::string mapName = globalToolkit.removeBlanks(entry.text, true);
        mapNames.push_back(mapName);
        if (mapName.empty()) continue;
        const bool hasSection = std::find(sectionNames.begin(), sectionNames.end(), mapName) != sectionNames.end() ||
                                hasKeyStartingWith(mapName + ".");
        if (!hasSection) {
            // Suggestions cost a comparison with every section: not for a file of thousands.
            const std::string suggestion =
                sectionNames.size() <= maxSuggestionCandidates ? nearestName(mapName, sectionNames) : std::string();
            diagnostics.warn(entry.line, "the map \"" + mapName + "\" has no section \"{ " + mapName +
                                             "\", so it has no name and no points" +
                                             (suggestion.empty() ? std::string()
                                                                 : ": did you mean the section \"" + suggestion + "\"?"));
        }
        for (const ListItem& point : readItems(lists, mapName + ".points")) {
            if (point.textRow < 0) continue;
            const DocumentEntry& value = document.entries[static_cast<std::size_t>(point.textRow)];
            if (value.text.find(';') == std::string::npos)
                diagnostics.warn(value.line, "this point has no \";\" between its label and its coordinates, so it "
                                             "teleports to \"0 0 0 0\"");
        }
    }
    std::sort(mapNames.begin(), mapNames.end());
    const auto isNamed = [&mapNames](const std::string& section) {
        if (std::binary_search(mapNames.begin(), mapNames.end(), section)) return true;
        // A map named after a section inside this one.
        const std::string inner = section + ".";
        const auto found = std::lower_bound(mapNames.begin(), mapNames.end(), inner);
        return found != mapNames.end() && found->compare(0, inner.size(), inner) == 0;
    };
    for (const Diagnostics::Section& section : diagnostics.topLevelSections) {
        if (section.name.empty()) continue;
        if (!isNamed(section.name))
            diagnostics.warn(section.line, "no map in the list \"maps\" names the section \"" + section.name +
                                               "\", so it is not written into the script");
    }
}

}  // namespace

std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

void checkSource(const Document& document, Diagnostics& diagnostics) {
    checkSettings(document, diagnostics);
    const Lists lists = collectLists(document);
    checkLists(lists, diagnostics);
    checkMaps(document, lists, diagnostics);
}
