// Work handed to one of the engine's threads, to run there later.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_types.h"

#include <cstdint>
#include <memory>

namespace engine_internal {
struct TaskBridge;
}

using CefThreadId = cef_thread_id_t;

class CefTask : public virtual CefBase {
public:
    // On the thread the task was posted to.
    virtual void Execute() = 0;

protected:
    CefTask();
    ~CefTask() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::TaskBridge> bridge_;
};

// Any thread, while the engine runs. The engine holds the task until it has
// run; false when the engine refused it (it is not running).
bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task);
// The same, run no sooner than delayMs from now.
bool CefPostDelayedTask(CefThreadId threadId, CefRefPtr<CefTask> task, std::int64_t delayMs);
