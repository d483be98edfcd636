#include <string>
#include <vector>

#include "driver/run.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return runTelvorin(arguments);
}
