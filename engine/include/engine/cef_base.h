// The reference-counting contract of every object shared with the engine, and
// the one way the launcher's classes implement it.
#pragma once

#include "engine/cef_ref_ptr.h"

#include <atomic>
#include <cstdint>

namespace engine_internal {
struct BridgeAccess;
}

// Interfaces derive virtually from CefBase, so one object implementing several
// of them carries a single count.
class CefBase {
public:
    virtual void AddRef() const = 0;
    // Returns true when this call dropped the last reference and deleted the object.
    virtual bool Release() const = 0;
    virtual bool HasOneRef() const = 0;

protected:
    CefBase() = default;
    CefBase(const CefBase&) = delete;
    CefBase& operator=(const CefBase&) = delete;
    virtual ~CefBase() = default;
};

// An atomic reference count: the engine takes and drops references on its own
// threads while the launcher does so on the main thread.
class CefRefCount {
public:
    void AddRef() const { count_.fetch_add(1, std::memory_order_relaxed); }
    // True when the count reached zero.
    bool Release() const { return count_.fetch_sub(1, std::memory_order_acq_rel) == 1; }
    bool HasOneRef() const { return count_.load(std::memory_order_acquire) == 1; }

private:
    mutable std::atomic<std::int32_t> count_{0};
};

// Implements CefBase for ClassName with a CefRefCount member; the object
// deletes itself when its last reference is released.
#define IMPLEMENT_REFCOUNTING(ClassName)                                  \
public:                                                                   \
    void AddRef() const override { ref_count_.AddRef(); }                 \
    bool Release() const override                                         \
    {                                                                     \
        if (!ref_count_.Release())                                        \
            return false;                                                 \
        delete static_cast<const ClassName*>(this);                       \
        return true;                                                      \
    }                                                                     \
    bool HasOneRef() const override { return ref_count_.HasOneRef(); }    \
                                                                          \
private:                                                                  \
    CefRefCount ref_count_
