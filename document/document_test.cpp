#include "document/document.h"

#include <gtest/gtest.h>

namespace {

// Stores rows as the reader would, for the queries alone.
void add(Document& document, const std::string& key, EntryKind kind, const std::string& text, double number = 0) {
    DocumentEntry& entry = document.entries[static_cast<std::size_t>(document.entryCount++)];
    entry.setKey(key);
    entry.kind = kind;
    entry.text = text;
    entry.number = number;
}

}  // namespace

TEST(Document, StartsEmptyWithItsWholeTable) {
    Document document;
    EXPECT_EQ(document.entryCount, 0);
    EXPECT_EQ(document.entries.size(), static_cast<std::size_t>(documentCapacity));
    EXPECT_EQ(document.crToken, "");
    EXPECT_EQ(document.sectionPrefix, "");
    EXPECT_EQ(document.getText("output"), "");
    EXPECT_EQ(document.getNumber("max_lines"), 0);
    EXPECT_EQ(document.lastIndex("maps"), -1);
    const DocumentEntry& row = document.entries.back();
    EXPECT_EQ(row.key, "");
    EXPECT_EQ(row.text, "");
    EXPECT_EQ(row.number, 0);
    EXPECT_EQ(row.kind, EntryKind::Text);
}

TEST(Document, LastDefinitionWinsAndKindsStayApart) {
    Document document;
    add(document, "output", EntryKind::Text, "first.cfg");
    add(document, "max_lines", EntryKind::Number, "", 400);
    add(document, "output", EntryKind::Text, "final.cfg");
    add(document, "mixed", EntryKind::Number, "", 5);
    add(document, "mixed", EntryKind::Text, "text");
    EXPECT_EQ(document.getText("output"), "final.cfg");
    EXPECT_EQ(document.getNumber("output"), 0);
    EXPECT_EQ(document.getNumber("max_lines"), 400);
    EXPECT_EQ(document.getText("max_lines"), "");
    EXPECT_EQ(document.getText("mixed"), "text");
    EXPECT_EQ(document.getNumber("mixed"), 5);
    EXPECT_EQ(document.getText(" out\tput "), "final.cfg");  // blanks in the key argument are ignored
}

TEST(Document, ListsCountConsecutiveIndicesOfEitherKind) {
    Document document;
    add(document, "gap(1)", EntryKind::Text, "first stored row");
    add(document, "gap(0)", EntryKind::Text, "a");
    add(document, "gap(3)", EntryKind::Text, "after the gap");
    add(document, "mix(2)", EntryKind::Text, "c");
    add(document, "mix(0)", EntryKind::Number, "", 1);
    add(document, "mix(1)", EntryKind::Text, "b");
    add(document, "only(1)", EntryKind::Text, "x");
    add(document, "sp ace(0)", EntryKind::Text, "kept");
    EXPECT_EQ(document.lastIndex("gap"), 1);
    EXPECT_EQ(document.lastIndex("mix"), 2);
    EXPECT_EQ(document.lastIndex("only"), -1);
    EXPECT_EQ(document.lastIndex("sp ace"), 0);  // lastIndex keeps blanks...
    EXPECT_EQ(document.getText("sp ace", 0), "");  // ...the getters drop them
    EXPECT_EQ(document.getText("gap", 1), document.getText("gap(1)"));
}

TEST(Document, SectionsPrefixEveryQuery) {
    Document document;
    add(document, "greeting", EntryKind::Text, "top");
    add(document, "base/arena1.name", EntryKind::Text, "First arena");
    add(document, "base/arena1..name", EntryKind::Text, "double dot");
    add(document, "base/arena1.points(0)", EntryKind::Text, "Spawn");
    document.setSection("  base/arena1\t");
    EXPECT_EQ(document.sectionPrefix, "base/arena1.");
    EXPECT_EQ(document.getText("name"), "First arena");
    EXPECT_EQ(document.getText("na me"), "First arena");
    EXPECT_EQ(document.lastIndex("points"), 0);
    EXPECT_EQ(document.getText("greeting"), "");
    document.setSection("base/arena1.");
    EXPECT_EQ(document.getText("name"), "double dot");
    document.setSection(" \t ");
    EXPECT_EQ(document.sectionPrefix, "");
    EXPECT_EQ(document.getText("greeting"), "top");
}
