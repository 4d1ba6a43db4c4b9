#include "ui_thread_work.h"

#include "capi/capi_app.h"
#include "message_pump.h"

#include <atomic>
#include <type_traits>

namespace engine_internal {

namespace {

// A task that only marks that the UI thread has reached it. The engine and
// the waiting thread each hold a reference; the last release frees it, so a
// wait that gave up leaves the task safe to run later.
class RunMarker {
public:
    RunMarker() : m_ran(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        m_task.base.size = sizeof(m_task);
        m_task.base.add_ref = &AddRef;
        m_task.base.release = &Release;
        m_task.base.has_one_ref = &HasOneRef;
        m_task.execute = &Execute;
    }

    // A new reference for the engine.
    cef_task_t* EngineReference()
    {
        m_references.fetch_add(1);
        return &m_task;
    }

    HANDLE Ran() const { return m_ran; }
    bool HasRun() const { return WaitForSingleObject(m_ran, 0) == WAIT_OBJECT_0; }

    void ReleaseOwn() { Release(&m_task.base); }

private:
    ~RunMarker() { CloseHandle(m_ran); }

    static RunMarker* Of(void* self) { return reinterpret_cast<RunMarker*>(self); }

    // Engine UI thread (execute), any thread (the counting).
    static void ENGINE_CALLBACK AddRef(cef_base_t* self) { Of(self)->m_references.fetch_add(1); }
    static int ENGINE_CALLBACK Release(cef_base_t* self)
    {
        RunMarker* marker = Of(self);
        if (marker->m_references.fetch_sub(1) != 1)
            return 0;
        delete marker;
        return 1;
    }
    static int ENGINE_CALLBACK HasOneRef(cef_base_t* self) { return Of(self)->m_references.load() == 1; }
    static void ENGINE_CALLBACK Execute(cef_task_t* self) { SetEvent(Of(self)->m_ran); }

    // First member: the engine's pointer to the task is the marker's address.
    cef_task_t m_task{};
    std::atomic<int> m_references{1};
    const HANDLE m_ran;
};
static_assert(std::is_standard_layout<RunMarker>::value, "the marker starts with its task");

}  // namespace

bool FinishUiThreadWork(DWORD timeoutMs)
{
    RunMarker* marker = new RunMarker;
    bool ran = false;
    if (cef_post_task(TID_UI, marker->EngineReference()))
        ran = ProcessMessagesUntil([&] { return marker->HasRun(); }, marker->Ran(), timeoutMs);
    marker->ReleaseOwn();
    return ran;
}

}  // namespace engine_internal
