// The text toolkit: the Toolkit object and the pure text operations that
// every other part of Telvorin shares.
#pragma once

#include <cstdint>
#include <string>

/// The coordinates of a point that has none: "0 0 0 0".
inline const std::string defaultCoordinates = "0 0 0 0";

/// The toolkit object. Its text operations read none of its fields; the
/// fields only decide when and from what the shared random generator is
/// seeded (see randomText).
class Toolkit {
public:
    /// 1 once this toolkit has seeded the shared random generator, else 0.
    std::int32_t seeded = 0;
    /// The text whose hash, times the current time, seeds the generator.
    std::string seedText =
        "I am the standard seek of Zorvik's Toolkit system. Do not bear with me !";

    /// Returns `text` without its leading and trailing blanks (TAB, space)
    /// when `endsOnly` is true, or without any blank at all when false.
    std::string removeBlanks(const std::string& text, bool endsOnly) const;

    /// Returns `text` with occurrences of `what`, from position `start` on,
    /// replaced by `by`, left to right: at most `limit` of them when `limit`
    /// is positive, all of them when it is negative, none when it is 0. The
    /// search resumes after each inserted `by`, which is never searched again.
    std::string replace(const std::string& what, const std::string& by,
                        const std::string& text, std::int32_t limit,
                        std::uint32_t start) const;

    /// Returns how many non-overlapping occurrences of `what` `text` holds;
    /// 0 when `what` is empty.
    std::int32_t countOccurrences(const std::string& what, const std::string& text) const;

    /// Seeds the shared random generator from textHash(seedText) times the
    /// current time in seconds, discards three draws and sets `seeded`.
    void seedRandom();

    /// Returns `length` characters drawn from `alphabet` (which must not be
    /// empty); seeds the generator first if this toolkit has not yet. A
    /// one-character alphabet repeats that character without drawing.
    std::string randomText(std::uint32_t length, const std::string& alphabet);
};

/// The program-wide toolkit, through which the document store works.
extern Toolkit globalToolkit;

/// Returns the part of `path` before its last `separator`, or the empty text
/// when `path` holds none.
std::string folderOf(const std::string& path, char separator);

/// Returns `head` followed by `tail`, or the empty text when `head` is empty.
std::string joinNonEmpty(const std::string& head, const std::string& tail);
