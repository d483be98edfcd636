#include "toolkit/numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>

std::string toText(std::int32_t number) { return std::to_string(number); }

std::string toText(std::uint32_t number) { return std::to_string(number); }

void appendText(std::string& text, std::int64_t number) {
    char digits[24];
    char* end = digits + sizeof digits;
    char* at = end;
    // Work on the negative side, which holds every value.
    std::int64_t rest = number < 0 ? number : -number;
    do {
        *--at = static_cast<char>('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (number < 0) *--at = '-';
    text.append(at, static_cast<std::size_t>(end - at));
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Returns the length of the number that starts at `at`, or 0 when none does.
std::string::size_type numberLength(const std::string& text, std::string::size_type at) {
    std::string::size_type i = at;
    const std::string::size_type n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::string::size_type digits = 0;
    while (i < n && isDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        if (i >= n || !isDigit(text[i])) return 0;  // an exponent needs a digit
        while (i < n && isDigit(text[i])) ++i;
    }
    return i - at;
}

template <typename Int>
Int truncateSaturated(double x) {
    constexpr double low = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double high = -low;  // 2^31 or 2^63, one above the largest value
    if (std::isnan(x)) return 0;
    if (x <= low) return std::numeric_limits<Int>::min();
    if (x >= high) return std::numeric_limits<Int>::max();
    return static_cast<Int>(x);
}

}  // namespace

void toNumber(const std::string& text, double& target) {
    std::string::size_type at = 0;
    while (at < text.size() && isSpace(text[at])) ++at;
    const std::string::size_type length = numberLength(text, at);
    if (length == 0) return;
    const std::string number = text.substr(at, length);
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) return;  // overflow
    target = value;
}

std::int32_t roundHalfAway(double x) {
    double t = std::trunc(std::fabs(x));
    if (std::fabs(x) - t >= 0.5) t += 1;
    return truncateToInt32(x < 0 ? -t : t);
}

std::int32_t textHash(const std::string& text) {
    std::uint32_t sum = 0;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const auto position = static_cast<std::uint32_t>(i);
        const auto byte = static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(text[i])));
        sum += position * position * byte;
    }
    return static_cast<std::int32_t>(sum);
}

std::int32_t truncateToInt32(double x) { return truncateSaturated<std::int32_t>(x); }

std::int64_t truncateToInt64(double x) { return truncateSaturated<std::int64_t>(x); }
