// The examples the documentation quotes are the files in examples/, and
// each of them runs cleanly.
#include <gtest/gtest.h>

#include "tests/process.h"

TEST(Documentation, QuotesTheExamplesAsTheyAreAndTheyRunCleanly) {
    const std::string doc = readFile(TELVORIN_SOURCE_DIR "/docs/source-format.md");
    const std::string marker = "<!-- example: ";
    int quoted = 0;
    for (std::string::size_type at = doc.find(marker); at != std::string::npos; at = doc.find(marker, at + 1)) {
        const std::string::size_type nameEnd = doc.find(" -->", at);
        const std::string name = doc.substr(at + marker.size(), nameEnd - at - marker.size());
        SCOPED_TRACE(name);
        const std::string fence = "```text\n";
        const std::string::size_type start = doc.find(fence, nameEnd) + fence.size();
        const std::string::size_type end = doc.find("```\n", start);
        const std::string file = readFile(std::string(TELVORIN_SOURCE_DIR "/") + name);
        EXPECT_EQ(doc.substr(start, end - start), file);

        TempFolder folder;
        writeFile(folder / "example.txt", file);
        const Outcome run = runIn(folder.path(), {"example.txt"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out.find("ERROR"), std::string::npos);
        ++quoted;
    }
    EXPECT_GE(quoted, 2);
}
