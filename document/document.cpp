#include "document/document.h"

#include <utility>

#include "toolkit/numbers.h"
#include "toolkit/toolkit.h"

Document::Document() : entries(static_cast<std::size_t>(documentCapacity)) {}

void Document::setSection(const std::string& name) {
    const std::string trimmed = globalToolkit.removeBlanks(name, true);
    sectionPrefix = trimmed.empty() ? std::string() : trimmed + ".";
}

std::string Document::fullKey(const std::string& key, std::int32_t index) const {
    std::string full = sectionPrefix;
    full += globalToolkit.removeBlanks(key, false);
    if (index != -1) {
        full += '(';
        appendText(full, static_cast<std::uint32_t>(index));
        full += ')';
    }
    return full;
}

std::uint64_t keyTagOf(const std::string& key) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (char c : key) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return (static_cast<std::uint64_t>(key.size()) << 32) | hash;
}

void DocumentEntry::setKey(std::string newKey) {
    key = std::move(newKey);
    keyTag = keyTagOf(key);
}

namespace {

// The cost of a visited row: one comparison of tags and, when the tags
// match, one comparison of the bytes.
bool sameKey(const DocumentEntry& entry, const std::string& full, std::uint64_t tag) {
    return entry.keyTag == tag && entry.key == full;
}

}  // namespace

const DocumentEntry* Document::findLast(const std::string& full, EntryKind kind) const {
    const std::uint64_t tag = keyTagOf(full);
    for (std::int32_t row = entryCount - 1; row >= 0; --row) {
        const DocumentEntry& entry = entries[static_cast<std::size_t>(row)];
        if (sameKey(entry, full, tag) && entry.kind == kind) return &entry;
    }
    return nullptr;
}

std::int32_t Document::findRow(const std::string& full, std::int32_t from) const {
    // Every stored row is looked at once, from `from` on and round to it.
    const std::uint64_t tag = keyTagOf(full);
    for (std::int32_t visited = 0, row = from; visited < entryCount; ++visited) {
        if (sameKey(entries[static_cast<std::size_t>(row)], full, tag)) return row;
        if (++row == entryCount) row = 0;
    }
    return -1;
}

std::int32_t Document::lastIndex(const std::string& name) const {
    const std::string base = sectionPrefix + name + "(";
    std::string full;
    std::int32_t index = 0;
    // A list's items mostly stand in consecutive rows, so each scan starts
    // just after the row where the item before was found.
    for (std::int32_t from = 0;; ++index) {
        full = base;
        appendText(full, index);
        full += ')';
        const std::int32_t row = findRow(full, from);
        if (row < 0) break;
        from = row + 1 == entryCount ? 0 : row + 1;
    }
    return index - 1;
}

const DocumentEntry* Document::findText(const std::string& key, std::int32_t index) const {
    return findLast(fullKey(key, index), EntryKind::Text);
}

std::string Document::getText(const std::string& key, std::int32_t index) const {
    const DocumentEntry* entry = findText(key, index);
    return entry == nullptr ? std::string() : entry->text;
}

double Document::getNumber(const std::string& key, std::int32_t index) const {
    const DocumentEntry* entry = findLast(fullKey(key, index), EntryKind::Number);
    return entry == nullptr ? 0 : entry->number;
}
