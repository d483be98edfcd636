#include "toolkit/random.h"

namespace {

std::uint32_t sharedState = 1;

}  // namespace

void seedSharedRandom(std::uint32_t seed) { sharedState = seed; }

std::int32_t drawSharedRandom() {
    sharedState = sharedState * 214013u + 2531011u;
    return static_cast<std::int32_t>((sharedState >> 16) & 32767u);
}
