// A replacement for the global operator new of one test program: it counts
// the allocations of the code under test, fails the one with a given number,
// and tells whether everything allocated while it counted was freed again.
#pragma once

namespace counting_allocator {

struct Count {
    long allocations;  // counted while counting
    bool failed;       // the requested allocation was reached and failed
    long stillLive;    // counted allocations not freed since
};

// Starts counting; the allocation numbered `failAt` (0 is the first) throws
// std::bad_alloc. A negative `failAt` fails none.
void StartCounting(long failAt);
Count StopCounting();

// Allocations made while one of these exists are neither counted nor
// failed: the host's own storage growing inside a slot call, the user's
// typing. They are not the plug-in's to fail.
class Paused {
public:
    Paused();
    ~Paused();
    Paused(const Paused&) = delete;
    Paused& operator=(const Paused&) = delete;
};

}  // namespace counting_allocator
