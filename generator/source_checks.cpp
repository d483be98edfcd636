#include "generator/source_checks.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "document/diagnostics.h"
#include "document/document.h"
#include "generator/settings.h"
#include "toolkit/toolkit.h"

namespace {

// Splits a list item's key "name(12)" into "name" and 12; false for other keys.
bool splitListKey(std::string_view key, std::string_view& name, unsigned long& index) {
    if (key.size() < 3 || key.back() != ')') return false;
    const std::string_view::size_type open = key.rfind('(');
    if (open == std::string_view::npos || open + 2 == key.size() || key.size() - open - 2 > 9) return false;
    index = 0;
    for (std::string_view::size_type i = open + 1; i + 1 < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9') return false;
        index = index * 10 + static_cast<unsigned long>(key[i] - '0');
    }
    name = key.substr(0, open);
    return true;
}

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
    for (const SettingField& field : settingFields) {
        // A setting given by a line of its own kind is read; otherwise the
        // first line of the other kind is the one the user meant.
        const DocumentEntry* otherKind = nullptr;
        bool read = false;
        for (std::int32_t row = 0; row < document.entryCount && !read; ++row) {
            const DocumentEntry& entry = document.entries[static_cast<std::size_t>(row)];
            if (entry.key != field.key) continue;
            read = entry.kind == field.kind;
            if (otherKind == nullptr) otherKind = &entry;
        }
        if (read || otherKind == nullptr) continue;
        const std::string name = field.key;
        diagnostics.warn(otherKind->line,
                         field.kind == EntryKind::Text
                             ? name + " is a text setting, but this \"%\" line gives a number, so it stays unset; "
                                      "write it on a \"$\" line"
                             : name + " is a number setting, but this \"$\" line gives a text, so it stays 0; "
                                      "write it on a \"%\" line");
    }

    // Top-level names that are no setting but close to one.
    std::vector<std::string> known;
    for (const SettingField& field : settingFields) known.push_back(field.key);
    known.push_back("maps");
    std::set<std::string> seen;
    for (std::int32_t row = 0; row < document.entryCount; ++row) {
        const DocumentEntry& entry = document.entries[static_cast<std::size_t>(row)];
        std::string_view listName;
        unsigned long index = 0;
        const std::string name = splitListKey(entry.key, listName, index) ? std::string(listName) : entry.key;
        if (name.find('.') != std::string::npos || std::find(known.begin(), known.end(), name) != known.end() ||
            !seen.insert(name).second)
            continue;
        const std::string suggestion = nearestName(name, known);
        if (!suggestion.empty())
            diagnostics.warn(entry.line, "\"" + name + "\" is not a setting, so this line is not read: did you mean \"" +
                                             suggestion + "\"?");
    }
}

// One list item: its index, the row of its last text entry (-1 when it has
// none) and the line of its first entry.
struct ListItem {
    unsigned long index = 0;
    std::int32_t textRow = -1;
    std::int32_t line = 0;
};

// Every list of the document, with its items in index order.
class Lists {
public:
    explicit Lists(const Document& document) {
        for (std::int32_t row = 0; row < document.entryCount; ++row) {
            const DocumentEntry& entry = document.entries[static_cast<std::size_t>(row)];
            Entry item;
            if (!splitListKey(entry.key, item.name, item.index)) continue;
            item.row = row;
            item.line = entry.line;
            item.text = entry.kind == EntryKind::Text;
            entries_.push_back(item);
        }
        // Rows of one index stay in file order, so the last text row wins.
        std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
            return a.name != b.name ? a.name < b.name : a.index < b.index;
        });
    }

    /// Calls `visit` with each list's name and its items.
    template <typename Visit>
    void forEach(Visit visit) const {
        for (std::size_t begin = 0, end = 0; begin < entries_.size(); begin = end) {
            while (end < entries_.size() && entries_[end].name == entries_[begin].name) ++end;
            visit(entries_[begin].name, items(begin, end));
        }
    }

    /// Returns the items of the list `name`.
    std::vector<ListItem> itemsOf(std::string_view name) const {
        const auto byName = [](const Entry& item, std::string_view n) { return item.name < n; };
        const auto first = std::lower_bound(entries_.begin(), entries_.end(), name, byName);
        auto last = first;
        while (last != entries_.end() && last->name == name) ++last;
        return items(static_cast<std::size_t>(first - entries_.begin()), static_cast<std::size_t>(last - entries_.begin()));
    }

private:
    struct Entry {
        std::string_view name;
        unsigned long index = 0;
        std::int32_t row = 0;
        std::int32_t line = 0;
        bool text = false;
    };

    std::vector<ListItem> items(std::size_t begin, std::size_t end) const {
        std::vector<ListItem> list;
        for (std::size_t i = begin; i < end; ++i) {
            if (list.empty() || list.back().index != entries_[i].index) list.push_back({entries_[i].index, -1, entries_[i].line});
            if (entries_[i].text) list.back().textRow = entries_[i].row;
        }
        return list;
    }

    std::vector<Entry> entries_;
};

// Returns how many items of `items` the generator reads: those numbered
// from 0 up to the first gap.
std::size_t readCount(const std::vector<ListItem>& items) {
    std::size_t count = 0;
    while (count < items.size() && items[count].index == count) ++count;
    return count;
}

void checkLists(const Lists& lists, Diagnostics& diagnostics) {
    lists.forEach([&diagnostics](std::string_view name, const std::vector<ListItem>& items) {
        const std::size_t read = readCount(items);
        if (read < items.size())
            diagnostics.warn(items[read].line, "the list \"" + std::string(name) + "\" has no item " +
                                                   std::to_string(read) +
                                                   ", so this item and the ones after it are never read");
    });
}

void checkMaps(const Document& document, const Lists& lists, Diagnostics& diagnostics) {
    std::vector<std::string> sectionNames;
    for (const DocumentSection& section : document.topLevelSections) sectionNames.push_back(section.name);
    // All keys, sorted, made only when a map with no points needs them.
    std::vector<std::string_view> keys;
    const auto hasKeyStartingWith = [&keys, &document](const std::string& prefix) {
        if (keys.empty()) {
            for (std::int32_t row = 0; row < document.entryCount; ++row)
                keys.emplace_back(document.entries[static_cast<std::size_t>(row)].key);
            std::sort(keys.begin(), keys.end());
        }
        const auto found = std::lower_bound(keys.begin(), keys.end(), std::string_view(prefix));
        return found != keys.end() && found->substr(0, prefix.size()) == prefix;
    };

    std::vector<std::string> mapNames;
    const std::vector<ListItem> maps = lists.itemsOf("maps");
    const std::size_t mapCount = readCount(maps);
    for (std::size_t i = 0; i < mapCount; ++i) {
        const ListItem& map = maps[i];
        if (map.textRow < 0) continue;
        const DocumentEntry& entry = document.entries[static_cast<std::size_t>(map.textRow)];
        const std::string mapName = globalToolkit.removeBlanks(entry.text, true);
        mapNames.push_back(mapName);
        if (mapName.empty()) continue;
        const std::vector<ListItem> points = lists.itemsOf(mapName + ".points");
        const bool hasSection = !points.empty() ||
                                std::find(sectionNames.begin(), sectionNames.end(), mapName) != sectionNames.end() ||
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
        const std::size_t pointCount = readCount(points);
        for (std::size_t j = 0; j < pointCount; ++j) {
            const ListItem& point = points[j];
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
    for (const DocumentSection& section : document.topLevelSections) {
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
    const Lists lists(document);
    checkLists(lists, diagnostics);
    checkMaps(document, lists, diagnostics);
}
