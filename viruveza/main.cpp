#include "viruveza/program.h"

int main(int argc, char** argv) {
    return doz::viruveza::RunRuzidavidez(argc, argv);
}
