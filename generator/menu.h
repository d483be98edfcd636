// The menu a source file describes: its maps in the order of the list maps,
// each with its display name, its echo prefix and its points, read from the
// Document once for every part of the generator that walks it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Document;
struct DocumentEntry;

/// One point of a map: the text of its list item and the entry it came
/// from (null for an item stored as a number).
struct MenuPoint {
    std::string value;
    const DocumentEntry* entry = nullptr;
};

/// One map of the list maps.
struct MenuMap {
    std::string name;                            ///< the item's text, as stored
    const DocumentEntry* nameEntry = nullptr;    ///< the item, null when it is no text
    const DocumentEntry* displayEntry = nullptr; ///< its section's name entry, or null
    const DocumentEntry* prefixEntry = nullptr;  ///< its section's echo_point_prefix, or null
    std::vector<MenuPoint> points;               ///< points(0) up to the first gap
};

/// The maps of a source file: maps(0) up to the first gap, of either kind.
struct Menu {
    std::vector<MenuMap> maps;

    /// Returns the index of the last map; -1 when there is none.
    std::int32_t lastMapIndex() const { return static_cast<std::int32_t>(maps.size()) - 1; }
};

/// Returns the menu of `document`, read through its queries. Leaves the
/// document's section at the top level.
Menu readMenu(Document& document);
