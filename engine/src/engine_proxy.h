// The engine's objects as the launcher sees them: a proxy owns exactly one
// engine reference, counts the launcher's references itself, and releases the
// engine reference when the last of them goes.
#pragma once

#include "capi/capi_base.h"
#include "engine/cef_base.h"

namespace engine_internal {

class EngineReference {
public:
    explicit EngineReference(cef_base_t* adopted) : base_(adopted) {}
    EngineReference(const EngineReference&) = delete;
    EngineReference& operator=(const EngineReference&) = delete;
    virtual ~EngineReference() { base_->release(base_); }

    // The object with a new reference, for passing it back to the engine.
    cef_base_t* NewReference() const
    {
        base_->add_ref(base_);
        return base_;
    }

protected:
    cef_base_t* base() const { return base_; }

private:
    // Fixed at construction; used on whichever thread calls or releases the proxy.
    cef_base_t* const base_;
};

template <class Interface, class Table>
class EngineProxy : public Interface, public EngineReference {
public:
    explicit EngineProxy(Table* adopted) : EngineReference(&adopted->base) {}

    IMPLEMENT_REFCOUNTING(EngineProxy);

protected:
    // The engine object, for calls on it (no reference changes hands).
    Table* raw() const { return reinterpret_cast<Table*>(base()); }
};

// A proxy for an engine object handed over with a reference, or null.
template <class Proxy, class Table>
CefRefPtr<Proxy> Adopt(Table* adopted)
{
    return adopted ? CefRefPtr<Proxy>(new Proxy(adopted)) : nullptr;
}

// The engine object behind a proxy with a new reference, for passing it to
// the engine; null for null or for an object that is not the engine's.
template <class Table, class Interface>
Table* NewEngineReferenceTo(const CefRefPtr<Interface>& object)
{
    auto* reference = dynamic_cast<const EngineReference*>(object.get());
    return reference ? reinterpret_cast<Table*>(reference->NewReference()) : nullptr;
}

}  // namespace engine_internal
