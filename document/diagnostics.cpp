#include "document/diagnostics.h"

#include <algorithm>
#include <utility>

#include "toolkit/console.h"

Diagnostics::Diagnostics(std::string path, Console& console) : path_(std::move(path)), console_(console) {}

void Diagnostics::warn(std::int32_t line, const std::string& message) {
    warnings_.push_back({line, message});
}

void Diagnostics::flush() {
    std::stable_sort(warnings_.begin(), warnings_.end(),
                     [](const Warning& a, const Warning& b) { return a.line < b.line; });
    for (const Warning& warning : warnings_) console_.warning(path_, warning.line, warning.message);
    warnings_.clear();
}
