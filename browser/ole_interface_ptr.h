#pragma once
// Holder of one counted COM interface pointer: it owns one reference on what
// it holds and releases it when reset or destroyed.

#include "platform/com/unknown.h"

template <class I>
class OleInterfacePtr {
public:
    OleInterfacePtr() = default;
    // Takes over the reference the caller had.
    explicit OleInterfacePtr(I* attached) : m_ptr(attached) {}
    ~OleInterfacePtr() { Reset(); }

    OleInterfacePtr(const OleInterfacePtr&) = delete;
    OleInterfacePtr& operator=(const OleInterfacePtr&) = delete;
    OleInterfacePtr(OleInterfacePtr&& other) noexcept : m_ptr(other.m_ptr) { other.m_ptr = nullptr; }
    OleInterfacePtr& operator=(OleInterfacePtr&& other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }

    void Reset()
    {
        I* held = m_ptr;
        m_ptr = nullptr;
        if (held)
            held->Release();
    }

    // Releases what was held and takes over the reference the caller had.
    void Attach(I* attached)
    {
        Reset();
        m_ptr = attached;
    }

    I* Detach()
    {
        I* held = m_ptr;
        m_ptr = nullptr;
        return held;
    }

    // Releases what was held, then lets the object's QueryInterface fill the holder.
    template <class From>
    HRESULT QueryInterface(From* object, REFIID riid)
    {
        Reset();
        if (!object)
            return E_POINTER;
        return object->QueryInterface(riid, reinterpret_cast<void**>(&m_ptr));
    }

    // Empties the holder and hands out its slot for a call that fills it.
    I** Out()
    {
        Reset();
        return &m_ptr;
    }

    I* Get() const { return m_ptr; }
    I* operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }

private:
    I* m_ptr = nullptr;
};
