#pragma once
// Revorur's program entry, apart from main() so tests can run it.

namespace doz::revorur {

// Runs Revorur once per desktop: 0 after the window closed or when another instance runs
// (nothing is shown then), -1 when the instance lock cannot be made.
int RunRevorur(int argc, char** argv);

} // namespace doz::revorur
