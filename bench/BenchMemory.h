#ifndef ZADUV_BENCH_BENCHMEMORY_H
#define ZADUV_BENCH_BENCHMEMORY_H
// Memory of the two lists against a plain list view holding the same texts. Each case runs in
// a child process of its own (this program again, with "--memory-case NAME"), so that no peak
// mixes with another; the parent prints each list's peak above an empty process's and the
// ratio to the plain list view's, then the growth over 100 refill cycles.

// Runs the cases whose names contain pszFilter (all when null); returns the number missed.
int RunMemoryBench(const char* pszFilter);

// The child's side: measures one case and prints its figures on one line.
int RunMemoryCase(const char* pszCase);

#endif
