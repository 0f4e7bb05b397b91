// Makes an allocation of the calling thread fail on purpose, so a test can walk every
// allocation a call makes. The test program replaces the global operator new for this; the
// engine library gets the replacement too, since it takes operator new from the program.
#pragma once

namespace radezuvi::test {

// The calling thread's n-th allocation from now throws std::bad_alloc; 0 fails none.
void failAllocation(int n);
// Disarms; true when the armed allocation was reached and failed.
bool allocationFailed();

} // namespace radezuvi::test
