#include "bridges.h"

namespace engine_internal {

namespace {

void ENGINE_CALLBACK Execute(cef_task_t* self)
{
    TaskBridge::ObjectOf(self)->Execute();
}

}  // namespace

TaskBridge::TaskBridge(CefTask* owner) : Bridge(owner)
{
    table.execute = &Execute;
}

}  // namespace engine_internal

CefTask::CefTask() : bridge_(std::make_unique<engine_internal::TaskBridge>(this)) {}
CefTask::~CefTask() = default;

bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task)
{
    return task && cef_post_task(threadId, engine_internal::NewEngineReference(task)) != 0;
}

bool CefPostDelayedTask(CefThreadId threadId, CefRefPtr<CefTask> task, std::int64_t delayMs)
{
    return task && cef_post_delayed_task(threadId, engine_internal::NewEngineReference(task), delayMs) != 0;
}
