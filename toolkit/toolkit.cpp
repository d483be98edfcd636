#include "toolkit/toolkit.h"

#include <ctime>

#include "toolkit/numbers.h"
#include "toolkit/random.h"

Toolkit globalToolkit;

namespace {

bool isBlank(char c) { return c == '\t' || c == ' '; }

}  // namespace

std::string Toolkit::removeBlanks(const std::string& text, bool endsOnly) const {
    std::string::size_type first = 0;
    std::string::size_type end = text.size();
    while (first < end && isBlank(text[first])) ++first;
    while (end > first && isBlank(text[end - 1])) --end;
    if (endsOnly) return text.substr(first, end - first);
    std::string result;
    result.reserve(end - first);
    for (std::string::size_type i = first; i < end; ++i)
        if (!isBlank(text[i])) result += text[i];
    return result;
}

std::string Toolkit::replace(const std::string& what, const std::string& by,
                             const std::string& text, std::int32_t limit,
                             std::uint32_t start) const {
    if (what.size() > text.size() || text.empty() || what.empty() || limit == 0) return text;
    // Inserted text is never searched again, so every match lies in the
    // original text: copy it through, one occurrence at a time.
    std::string result;
    std::string::size_type copied = 0;
    std::string::size_type from = start;
    while (limit != 0) {
        const std::string::size_type found = text.find(what, from);
        if (found == std::string::npos) break;
        result.append(text, copied, found - copied);
        result += by;
        copied = found + what.size();
        from = copied;
        if (limit > 0) --limit;
    }
    if (copied == 0) return text;
    result.append(text, copied, std::string::npos);
    return result;
}

std::int32_t Toolkit::countOccurrences(const std::string& what, const std::string& text) const {
    if (what.empty() || what.size() > text.size()) return 0;
    std::int32_t count = 0;
    for (std::string::size_type at = text.find(what); at != std::string::npos;
         at = text.find(what, at + what.size()))
        ++count;
    return count;
}

void Toolkit::seedRandom() {
    const auto hash = static_cast<std::uint32_t>(textHash(seedText));
    const auto now = static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::time(nullptr)));
    seedSharedRandom(hash * now);
    for (int i = 0; i < 3; ++i) drawSharedRandom();
    seeded = 1;
}

std::string Toolkit::randomText(std::uint32_t length, const std::string& alphabet) {
    std::string result;
    if (alphabet.empty()) return result;
    const double highest = static_cast<double>(alphabet.size() - 1);
    for (std::uint32_t i = 0; i < length; ++i) {
        double x = 0;
        if (highest > 0) {
            if (seeded < 1) seedRandom();
            x = drawSharedRandom() / 32767.0 * highest;
        }
        result += alphabet[static_cast<std::string::size_type>(roundHalfAway(x))];
    }
    return result;
}

std::string folderOf(const std::string& path, char separator) {
    const std::string::size_type last = path.rfind(separator);
    if (last == std::string::npos) return std::string();
    return path.substr(0, last);
}

std::string joinNonEmpty(const std::string& head, const std::string& tail) {
    if (head.empty()) return std::string();
    return head + tail;
}
