#pragma once

#include <string>
#include <vector>

namespace talpora::bench {

// The peak resident set size of one run of a child process, or why there is none.
struct PeakMemory
{
    long long kilobytes = 0;
    std::string error;

    explicit operator bool() const { return error.empty(); }
};

// Runs this very program again with `arguments` (argv[0] left out) and reads
// the child's peak as the child itself reports it: the last line of its
// standard output must be the one printPeakMemoryLine() writes.
//
// The peak is not taken from wait4()'s ru_maxrss: Linux carries the parent's
// resident set into a child's ru_maxrss at exec (its current size after
// fork(), its own peak after vfork() or posix_spawn()), which would put this
// process's memory into every figure.
PeakMemory peakMemoryOfSelf(const std::vector<std::string>& arguments);

// This process's own peak resident set size (VmHWM), in kilobytes; 0 if unknown.
long long ownPeakKilobytes();

// Writes "peak_kb <n>" with ownPeakKilobytes() to standard output; a child
// started by peakMemoryOfSelf() calls it last.
void printPeakMemoryLine();

} // namespace talpora::bench
