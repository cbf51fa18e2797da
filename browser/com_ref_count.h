#pragma once
// The reference count of the host's own COM objects: changed only by atomic
// increment and decrement, starting at 0, and a release when nothing is
// held changes nothing.

#include "platform/com/base_types.h"

#include <atomic>

class ComRefCount {
public:
    ULONG AddRef() { return ULONG(++m_count); }

    // The count left; `last` tells whether this release took the last
    // reference, so that the object deletes itself.
    ULONG Release(bool& last)
    {
        last = false;
        if (m_count < 1)
            return 0;
        const LONG left = --m_count;
        last = left == 0;
        return ULONG(left);
    }

private:
    std::atomic<LONG> m_count{0};
};
