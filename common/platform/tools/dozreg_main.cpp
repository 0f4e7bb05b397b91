#include "common/platform/tools/dozreg_commands.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return doz::platform::runDozreg(arguments, std::cout, std::cerr);
}
