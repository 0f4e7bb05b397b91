// ruzidavidez-gen: writes the C file of a generation record given as JSON.

#include "viruveza/generators/cli/gen_command.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return doz::generators::RunGenCommand(args, std::cin, std::cout, std::cerr);
}
