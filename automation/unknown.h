// IUnknown for an object that answers one interface: QueryInterface for IUnknown and that
// interface, and reference counting that deletes the object with its last reference.
#pragma once

#include "com.h"

#include <atomic>

template <class Interface, const IID& InterfaceId>
class UnknownImpl : public Interface {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == InterfaceId) {
            *ppv = static_cast<Interface*>(this);
            this->AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    uint32_t AddRef() override { return ++m_Refs; }
    uint32_t Release() override
    {
        const uint32_t refs = --m_Refs;
        if (refs == 0)
            delete this;
        return refs;
    }

protected:
    // A new object holds the one reference its creator hands out.
    UnknownImpl() = default;
    // Appended after the interface's slots, so the COM layout of the vtable is untouched.
    virtual ~UnknownImpl() = default;

private:
    std::atomic<uint32_t> m_Refs{1};
};
