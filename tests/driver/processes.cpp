// Starting, finding, waiting for and ending processes.
#include "driver.h"

#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>

namespace driver {
namespace {

// How long KillProcess waits for the system to finish ending a process.
constexpr DWORD kKillWaitMs = 5000;

std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

struct ProcessEntry {
    DWORD id;
    DWORD parentId;
    std::wstring imageName;
    ULONGLONG created;
};

using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

bool ReadFrom(HANDLE process, const void* address, void* buffer, size_t size)
{
    SIZE_T read = 0;
    return ReadProcessMemory(process, address, buffer, size, &read) && read == size;
}

// When the process started, in the system's file-time ticks; 0 when unknown.
ULONGLONG CreationTime(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return 0;
    FILETIME created = {}, exited = {}, kernel = {}, user = {};
    const BOOL known = GetProcessTimes(process, &created, &exited, &kernel, &user);
    CloseHandle(process);
    return known ? (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime : 0;
}

std::vector<ProcessEntry> RunningProcesses()
{
    std::vector<ProcessEntry> running;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return running;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        running.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile, 0});
    CloseHandle(snapshot);
    return running;
}

// The process and everything it started, parents before their children.
std::vector<DWORD> TreeOf(DWORD rootId)
{
    const std::vector<ProcessEntry> running = RunningProcesses();
    std::vector<DWORD> tree = {rootId};
    for (size_t next = 0; next < tree.size(); ++next)
        for (const ProcessEntry& entry : running)
            if (entry.parentId == tree[next] && std::find(tree.begin(), tree.end(), entry.id) == tree.end())
                tree.push_back(entry.id);
    return tree;
}

void Terminate(HANDLE process)
{
    if (TerminateProcess(process, kKilledExitCode))
        WaitForSingleObject(process, kKillWaitMs);
}

// A missing or unrunnable file or folder stays so: only other refusals are
// worth another attempt.
bool MayPassOnRetry(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_ACCESS_DENIED:
        return false;
    default:
        return true;
    }
}

}  // namespace

Process StartProcess(const std::wstring& exePath, const std::wstring& arguments, const std::wstring& workingDirectory)
{
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    const std::wstring folder = workingDirectory.empty() ? FolderOf(exePath) : workingDirectory;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    // Under Wine a process start fails now and then, whatever the program
    // (the engine meets the same with its own sub-processes): it is tried
    // again, a bounded number of times, and each failure is printed.
    constexpr int kStartAttempts = 3;
    constexpr DWORD kStartPauseMs = 200;
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                           folder.empty() ? nullptr : folder.c_str(), &startup, &started))
            break;
        const DWORD error = GetLastError();
        std::printf("driver: the system could not start %ls (error %lu), attempt %d of %d\n", exePath.c_str(), error,
                    attempt, kStartAttempts);
        std::fflush(stdout);
        if (attempt == kStartAttempts || !MayPassOnRetry(error))
            return {};
        Sleep(kStartPauseMs);
    }
    CloseHandle(started.hThread);
    Process process;
    process.handle = started.hProcess;
    process.id = started.dwProcessId;
    return process;
}

bool WaitForExit(const Process& process, DWORD timeoutMs, DWORD* exitCode)
{
    if (!process.handle || WaitForSingleObject(process.handle, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(process.handle, exitCode);
    return true;
}

void KillProcess(const Process& process)
{
    if (process.handle)
        Terminate(process.handle);
}

void KillProcessTree(const Process& process)
{
    if (!process.handle)
        return;
    // Children are found before anything is ended: a dead parent's children
    // still name it, but its identifier may be reused.
    const std::vector<DWORD> tree = TreeOf(process.id);
    Terminate(process.handle);
    for (size_t i = 1; i < tree.size(); ++i) {
        HANDLE descendant = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, tree[i]);
        if (descendant) {
            Terminate(descendant);
            CloseHandle(descendant);
        }
    }
}

void CloseProcess(Process& process)
{
    if (process.handle)
        CloseHandle(process.handle);
    process = Process();
}

std::vector<DWORD> ProcessesNamed(const wchar_t* imageName)
{
    std::vector<DWORD> matching;
    if (!imageName)
        return matching;
    for (const ProcessEntry& entry : RunningProcesses())
        if (_wcsicmp(entry.imageName.c_str(), imageName) == 0)
            matching.push_back(entry.id);
    return matching;
}

std::vector<DWORD> ChildProcessesOf(DWORD parentId)
{
    std::vector<ProcessEntry> children;
    for (ProcessEntry& entry : RunningProcesses()) {
        if (entry.parentId != parentId)
            continue;
        entry.created = CreationTime(entry.id);
        children.push_back(entry);
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const ProcessEntry& a, const ProcessEntry& b) { return a.created < b.created; });
    std::vector<DWORD> ids;
    for (const ProcessEntry& child : children)
        ids.push_back(child.id);
    return ids;
}

std::wstring CommandLineOf(DWORD processId)
{
    const auto query = reinterpret_cast<QueryInformationProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!query || !process) {
        if (process)
            CloseHandle(process);
        return std::wstring();
    }
    std::wstring commandLine;
    PROCESS_BASIC_INFORMATION basic = {};
    PEB peb = {};
    RTL_USER_PROCESS_PARAMETERS parameters = {};
    if (query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0 &&
        ReadFrom(process, basic.PebBaseAddress, &peb, sizeof peb) &&
        ReadFrom(process, peb.ProcessParameters, &parameters, sizeof parameters)) {
        std::wstring text(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
        if (!text.empty() && ReadFrom(process, parameters.CommandLine.Buffer, &text[0], parameters.CommandLine.Length))
            commandLine = text;
    }
    CloseHandle(process);
    return commandLine;
}

}  // namespace driver
