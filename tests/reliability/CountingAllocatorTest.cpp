// The counting allocator that the fault table rests on: it fails the
// allocation asked for, and it sees a block the code under test keeps.
// (Direct calls of operator new, which the compiler may not leave out.)
#include <gtest/gtest.h>

#include <new>

#include "reliability/CountingAllocator.h"

namespace {

TEST(CountingAllocatorTest, FailsTheAllocationAskedForAndCountsTheOthers) {
    bool secondThrew = false;
    counting_allocator::StartCounting(1);
    void* first = ::operator new(8);
    try {
        ::operator delete(::operator new(8));
    } catch (const std::bad_alloc&) {
        secondThrew = true;
    }
    void* third = ::operator new(8);
    ::operator delete(first);
    ::operator delete(third);
    const counting_allocator::Count count = counting_allocator::StopCounting();

    EXPECT_TRUE(secondThrew);
    EXPECT_EQ(count.allocations, 3);
    EXPECT_TRUE(count.failed);
    EXPECT_EQ(count.stillLive, 0);
}

TEST(CountingAllocatorTest, SeesABlockKeptPastTheCountButNotPausedOnes) {
    counting_allocator::StartCounting(-1);
    void* kept = ::operator new(8);
    void* paused = nullptr;
    {
        counting_allocator::Paused pause;
        paused = ::operator new(8);
    }
    const counting_allocator::Count count = counting_allocator::StopCounting();
    ::operator delete(kept);
    ::operator delete(paused);

    EXPECT_EQ(count.allocations, 1);
    EXPECT_FALSE(count.failed);
    EXPECT_EQ(count.stillLive, 1);
}

}  // namespace
