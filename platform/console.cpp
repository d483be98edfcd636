#include "platform/platform.h"

std::ostream& endMessage(std::ostream& out) {
    if (standardOutputIsTerminal()) out.flush();
    return out;
}
