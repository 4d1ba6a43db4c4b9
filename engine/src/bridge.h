// Our objects as the engine sees them: each interface of an object owns a
// table of C functions that the engine calls; the table's base routes the
// engine's reference counting to the object's own count, and every other
// slot calls the object's virtual function.
#pragma once

#include "capi/capi_base.h"
#include "engine/cef_base.h"

namespace engine_internal {

template <class Interface, class Table>
struct Bridge {
    // First member: the engine's pointer to the table is the bridge's address.
    Table table;
    // The interface this table serves. Written once, read on any thread.
    Interface* object;

    explicit Bridge(Interface* owner) : table(), object(owner)
    {
        table.base.size = sizeof(Table);
        table.base.add_ref = &AddRef;
        table.base.release = &Release;
        table.base.has_one_ref = &HasOneRef;
    }

    template <class Self>
    static Interface* ObjectOf(Self* self)
    {
        return reinterpret_cast<Bridge*>(self)->object;
    }

private:
    static void ENGINE_CALLBACK AddRef(cef_base_t* self) { ObjectOf(self)->AddRef(); }
    static int ENGINE_CALLBACK Release(cef_base_t* self) { return ObjectOf(self)->Release(); }
    static int ENGINE_CALLBACK HasOneRef(cef_base_t* self) { return ObjectOf(self)->HasOneRef(); }
};

// Reaches the bridge an interface owns (a private member the interfaces
// grant this struct access to).
struct BridgeAccess {
    template <class Interface>
    static auto* TableOf(const Interface& object)
    {
        return &object.bridge_->table;
    }
};

// The object's table with a new reference for the engine, or null: for
// handing one of our objects to the engine (as an argument or a return value).
template <class Interface>
auto* NewEngineReference(const CefRefPtr<Interface>& object)
{
    using TablePointer = decltype(BridgeAccess::TableOf(*object));
    if (!object)
        return TablePointer(nullptr);
    object->AddRef();
    return BridgeAccess::TableOf(*object);
}

// Takes back one of our own tables that the engine passed with a reference
// for us; the reference moves into the result.
template <class Interface, class Table>
CefRefPtr<Interface> AdoptOwn(Table* table)
{
    if (!table)
        return nullptr;
    CefRefPtr<Interface> object(Bridge<Interface, Table>::ObjectOf(table));
    object->Release();
    return object;
}

}  // namespace engine_internal
