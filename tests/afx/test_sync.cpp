// CCriticalSection and CSingleLock: recursion, and the lock's release on Unlock and at the end
// of its scope, observed from another thread.

#include <afxmt.h>
#include <gtest/gtest.h>
#include <thread>

namespace
{
// Asks another thread whether it could take the section right now.
bool OtherThreadCanEnter(CCriticalSection& section)
{
    bool bEntered = false;
    std::thread([&] { bEntered = ::TryEnterCriticalSection(section) && (::LeaveCriticalSection(section), true); }).join();
    return bEntered;
}
}

TEST(CCriticalSectionTest, SingleLockHoldsUntilUnlockOrScopeEnd)
{
    CCriticalSection section;
    {
        CSingleLock lock(&section);
        EXPECT_TRUE(OtherThreadCanEnter(section));
        EXPECT_TRUE(lock.Lock());
        // Locking again through the same lock does not take the section twice.
        EXPECT_TRUE(lock.Lock());
        EXPECT_TRUE(lock.Unlock());
        EXPECT_FALSE(lock.IsLocked());
        EXPECT_TRUE(OtherThreadCanEnter(section));
        lock.Lock(INFINITE);
        EXPECT_FALSE(OtherThreadCanEnter(section));
    }
    EXPECT_TRUE(OtherThreadCanEnter(section));

    // The owner may take the section once more through a lock, as a nested operation does.
    EXPECT_TRUE(section.Lock());
    {
        CSingleLock nested(&section, TRUE);
        EXPECT_TRUE(nested.IsLocked());
    }
    EXPECT_FALSE(OtherThreadCanEnter(section));
    CSyncObject* pObject = &section;
    EXPECT_TRUE(pObject->Unlock());
    EXPECT_TRUE(OtherThreadCanEnter(section));

    // The invalid-argument exception is pre-allocated: leaving it undeleted leaks nothing.
    EXPECT_THROW(CSingleLock(NULL), CInvalidArgException*);
}
