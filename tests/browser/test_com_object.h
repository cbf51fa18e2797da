#pragma once
// What the tests' own COM objects share: a reference count that deletes its
// object with the last release, counted holding of what they keep, and
// QueryInterface for an object with one interface besides IUnknown.

#include "platform/com/unknown.h"

#include <atomic>

class TestRefCount {
public:
    explicit TestRefCount(LONG start) : m_count(start) {}

    ULONG AddRef() { return ULONG(++m_count); }
    // The object befriends this class: its destructor is private, as only the count may end it.
    template <class T>
    ULONG Release(T* object)
    {
        const LONG left = --m_count;
        if (left == 0)
            delete object;
        return ULONG(left);
    }

private:
    std::atomic<LONG> m_count;
};

template <class I>
void Hold(I*& slot, I* object)
{
    if (object)
        object->AddRef();
    if (slot)
        slot->Release();
    slot = object;
}

template <class I>
HRESULT QueryOne(I* self, REFIID own, REFIID asked, void** object)
{
    *object = asked == IID_IUnknown || asked == own ? self : nullptr;
    if (!*object)
        return E_NOINTERFACE;
    self->AddRef();
    return S_OK;
}
