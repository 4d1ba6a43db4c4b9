// The browser engine's life in the browser process: what it needs checked
// before it starts, its start, and its one shut-down.
#pragma once

#include "app/start_failure.h"
#include "browser/simple_app.h"
#include "engine/cef_main_args.h"
#include "engine/cef_ref_ptr.h"

#include <optional>
#include <string>

// Whether this process was started by the engine as one of its sub-processes
// (its command line names the process type).
bool IsEngineSubProcess(const wchar_t* commandLine);

// The first of the files the engine cannot start without that is missing in
// the folder (ending in a backslash), or none.
std::optional<std::wstring> MissingEngineFile(const std::wstring& folder);

class EngineSession {
public:
    EngineSession(const CefMainArgs& mainArgs, CefRefPtr<SimpleApp> application);
    // Shuts the engine down if it started: open browsers are closed first.
    ~EngineSession();
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    // Starts the engine; the failure, or none.
    std::optional<StartFailure> Start();

private:
    const CefMainArgs& m_mainArgs;
    CefRefPtr<SimpleApp> m_application;
    bool m_started = false;
};
