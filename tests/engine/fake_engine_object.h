// Engine objects made by a test, for calling the layer's tables the way the
// engine does: each counts the references it hands over and gets back.
#pragma once

#include "capi/capi_base.h"

#include <atomic>

namespace enginetest {

template <class Table>
class FakeEngineObject {
public:
    FakeEngineObject()
    {
        table_.base.size = sizeof(Table);
        table_.base.add_ref = &AddRef;
        table_.base.release = &Release;
        table_.base.has_one_ref = &HasOneRef;
    }
    FakeEngineObject(const FakeEngineObject&) = delete;
    FakeEngineObject& operator=(const FakeEngineObject&) = delete;

    // The object with one new reference, as the engine passes it to a callback.
    Table* HandOver()
    {
        references_.fetch_add(1);
        return &table_;
    }
    // References handed over and not yet given back.
    int OutstandingReferences() const { return references_.load(); }

    // The table, for filling in the slots a test needs.
    Table& table() { return table_; }

private:
    static FakeEngineObject* Of(cef_base_t* base) { return reinterpret_cast<FakeEngineObject*>(base); }
    static void AddRef(cef_base_t* base) { Of(base)->references_.fetch_add(1); }
    static int Release(cef_base_t* base) { return Of(base)->references_.fetch_sub(1) == 1; }
    static int HasOneRef(cef_base_t* base) { return Of(base)->references_.load() == 1; }

    // First member, so that the table's address is the object's.
    Table table_ = {};
    std::atomic<int> references_{0};
};

}  // namespace enginetest
