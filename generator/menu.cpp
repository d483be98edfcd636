#include "generator/menu.h"

#include "document/document.h"

Menu readMenu(Document& document) {
    Menu menu;
    document.setSection(std::string());
    const std::int32_t lastMap = document.lastIndex("maps");
    menu.maps.resize(static_cast<std::size_t>(lastMap + 1));
    for (std::int32_t index = 0; index <= lastMap; ++index) {
        MenuMap& map = menu.maps[static_cast<std::size_t>(index)];
        map.nameEntry = document.findText("maps", index);
        if (map.nameEntry != nullptr) map.name = map.nameEntry->text;
    }
    for (MenuMap& map : menu.maps) {
        document.setSection(map.name);
        map.displayEntry = document.findText("name");
        map.prefixEntry = document.findText("echo_point_prefix");
        const std::int32_t lastPoint = document.lastIndex("points");
        map.points.resize(static_cast<std::size_t>(lastPoint + 1));
        for (std::int32_t index = 0; index <= lastPoint; ++index) {
            MenuPoint& point = map.points[static_cast<std::size_t>(index)];
            point.entry = document.findText("points", index);
            if (point.entry != nullptr) point.value = point.entry->text;
        }
    }
    document.setSection(std::string());
    return menu;
}
