#include "app/engine_session.h"

#include "browser/engine_settings.h"
#include "engine/cef_app.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <windows.h>

namespace {

// The engine's process-type switch, on every sub-process's command line.
constexpr wchar_t kProcessTypeSwitch[] = L"--type=";
// Beside the executable: without them the engine fails inside its start
// (the Unicode tables, the script engine's start-up images, its resources).
constexpr const wchar_t* kRequiredEngineFiles[] = {
    L"icudtl.dat",
    L"natives_blob.bin",
    L"snapshot_blob.bin",
    L"cef.pak",
};

}  // namespace

bool IsEngineSubProcess(const wchar_t* commandLine)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (!arguments)
        return false;
    bool subProcess = false;
    for (int i = 1; i < count && !subProcess; ++i)
        subProcess = wcsncmp(arguments[i], kProcessTypeSwitch, wcslen(kProcessTypeSwitch)) == 0;
    LocalFree(arguments);
    return subProcess;
}

std::optional<std::wstring> MissingEngineFile(const std::wstring& folder)
{
    for (const wchar_t* file : kRequiredEngineFiles) {
        if (!PathFileExistsW((folder + file).c_str()))
            return std::wstring(file);
    }
    return std::nullopt;
}

EngineSession::EngineSession(const CefMainArgs& mainArgs, CefRefPtr<SimpleApp> application)
    : m_mainArgs(mainArgs), m_application(application)
{
}

EngineSession::~EngineSession()
{
    if (m_started)
        CefShutdown();
}

std::optional<StartFailure> EngineSession::Start()
{
    m_started = CefInitialize(m_mainArgs, LauncherEngineSettings(), m_application.get(), nullptr);
    if (!m_started)
        return StartFailure::EngineDidNotStart;
    return std::nullopt;
}
