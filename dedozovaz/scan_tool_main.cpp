#include "dedozovaz/scan_tool.h"

#include <iostream>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return dedozovaz::runScanTool(args, std::cout, std::cerr);
}
