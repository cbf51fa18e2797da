#pragma once
// A counted interface pointer held by the control: it owns one reference and
// releases it when reset or destroyed.

#include "platform/com/unknown.h"

#include <memory>

struct ReleaseReference {
    template <class I>
    void operator()(I* object) const
    {
        object->Release();
    }
};

template <class I>
class ComRef : public std::unique_ptr<I, ReleaseReference> {
public:
    ComRef() = default;
    // Adds a reference of its own to what it is given.
    static ComRef Share(I* object)
    {
        if (object)
            object->AddRef();
        ComRef held;
        held.reset(object);
        return held;
    }
};
