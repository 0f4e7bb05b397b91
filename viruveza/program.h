#pragma once
// Ruzidavidez's program entry, apart from main() so the program is a thin file over libraries.

namespace doz::viruveza {

// Runs Ruzidavidez until its main window closes; returns the exit code.
int RunRuzidavidez(int argc, char** argv);

} // namespace doz::viruveza
