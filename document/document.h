// The document store: a source file read into a fixed table of typed
// entries under dotted key paths, and the queries that read it back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Diagnostics;

/// How many entries a Document holds at the most.
constexpr std::int32_t documentCapacity = 11000;

/// The kind of a DocumentEntry.
enum class EntryKind : std::int32_t {
    Text = 0,    ///< made by a "$" line or a text list item
    Number = 1,  ///< made by a "%" line or a number list item
};

/// One row of the table.
struct DocumentEntry {
    std::string key;   ///< full key path, such as base/arena1.points(2); set with setKey
    std::string text;  ///< the value of a text entry; empty for a number
    double number = 0; ///< the value of a number entry; 0 for a text
    EntryKind kind = EntryKind::Text;
    std::int32_t line = 0; ///< the source-file line that made it, from 1
    std::uint64_t keyTag = 0; ///< keyTagOf(key), which the queries' scans test first

    /// Sets `key` and `keyTag`.
    void setKey(std::string newKey);
};

/// Returns a key's length and a 32-bit hash of its bytes in one number:
/// keys with different tags differ, and different keys almost always have
/// different tags.
std::uint64_t keyTagOf(const std::string& key);

/// A section opened at the top level of a source file.
struct DocumentSection {
    std::string name;
    std::int32_t line = 0;  ///< the line of its "{", from 1
};

/// One source file after it has been read. The table's rows are allocated
/// once, at full capacity, when the Document is made.
class Document {
public:
    /// An empty Document: no entries, no line-break token, no section.
    Document();

    /// The line-break token: while not empty, each occurrence in a cleaned
    /// value becomes a line feed.
    std::string crToken;
    /// How many rows of `entries` hold stored entries.
    std::int32_t entryCount = 0;
    /// The table, `documentCapacity` rows; rows from `entryCount` on are empty.
    std::vector<DocumentEntry> entries;
    /// What every query puts before its key: empty, or ending in ".".
    std::string sectionPrefix;
    /// The sections the reader saw opened at the top level, in file order.
    std::vector<DocumentSection> topLevelSections;

    /// Reads the source file at `path` into the table, opened for reading
    /// only. Returns 0 when the file was read (also when it held nothing
    /// usable), 2 when it cannot be opened (the table stays empty). Reports
    /// what the reader had to skip to `diagnostics` when given.
    int load(const std::string& path, Diagnostics* diagnostics = nullptr);

    /// Makes later queries look in the section `name` (trimmed); the top
    /// level for an empty or blank name.
    void setSection(const std::string& name);

    /// Returns the highest n such that name(0) to name(n) are all stored in
    /// the current section, of either kind; -1 when name(0) is not.
    std::int32_t lastIndex(const std::string& name) const;

    /// Returns the text of the last text entry stored under `key` (blanks
    /// removed), with "(index)" added unless `index` is -1; empty when none.
    std::string getText(const std::string& key, std::int32_t index = -1) const;

    /// Returns the number of the last number entry stored under `key`, as
    /// getText finds it; 0 when none.
    double getNumber(const std::string& key, std::int32_t index = -1) const;

    /// Returns the last text entry that getText would read, or nullptr.
    const DocumentEntry* findText(const std::string& key, std::int32_t index = -1) const;

private:
    std::string fullKey(const std::string& key, std::int32_t index) const;
    const DocumentEntry* findLast(const std::string& fullKey, EntryKind kind) const;
    /// Returns the row of a stored entry of either kind with the key
    /// `fullKey`, looking at every row once from row `from` on; -1 when none.
    std::int32_t findRow(const std::string& fullKey, std::int32_t from) const;
};
