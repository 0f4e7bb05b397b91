#include "revorur/program.h"

int main(int argc, char** argv) {
    return doz::revorur::RunRevorur(argc, argv);
}
