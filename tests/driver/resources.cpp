// Memory, processor time and GUI objects of a process. Wine answers some of
// the documented calls for other processes with nothing (GetGuiResources) or
// with the caller's own figures (GetProcessTimes), so each reading uses what
// both Windows and Wine answer truthfully, or falls back where Wine says it
// has no answer.
#include "driver.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace driver {
namespace {

constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
constexpr ULONG kInitialListBytes = 1 << 20;
constexpr double kMsPer100ns = 1e-4;

// The head of one record of that list, as the system lays it out (the SDK
// leaves the times as reserved bytes).
struct ProcessRecordHead {
    ULONG nextEntryOffset;
    ULONG numberOfThreads;
    LARGE_INTEGER workingSetPrivateSize;
    ULONG hardFaultCount;
    ULONG numberOfThreadsHighWatermark;
    ULONGLONG cycleTime;
    LARGE_INTEGER createTime;
    LARGE_INTEGER userTime;
    LARGE_INTEGER kernelTime;
    UNICODE_STRING imageName;
    LONG basePriority;
    HANDLE uniqueProcessId;
};
// The threads' records follow their process's record.
struct ThreadRecord {
    LARGE_INTEGER kernelTime;
    LARGE_INTEGER userTime;
    LARGE_INTEGER createTime;
    ULONG waitTime;
    PVOID startAddress;
    HANDLE uniqueProcess;
    HANDLE uniqueThread;
    LONG priority;
    LONG basePriority;
    ULONG contextSwitches;
    ULONG threadState;
    ULONG waitReason;
};
static_assert(sizeof(ThreadRecord) == sizeof(SYSTEM_THREAD_INFORMATION), "the thread record matches the SDK's size");
constexpr size_t kProcessRecordSize = sizeof(SYSTEM_PROCESS_INFORMATION);
static_assert(offsetof(ProcessRecordHead, imageName) == offsetof(SYSTEM_PROCESS_INFORMATION, ImageName),
              "the record head matches the SDK's layout");
static_assert(offsetof(ProcessRecordHead, uniqueProcessId) == offsetof(SYSTEM_PROCESS_INFORMATION, UniqueProcessId),
              "the record head matches the SDK's layout");

// The system's list of processes, with the times each has used.
std::vector<BYTE> ProcessList()
{
    std::vector<BYTE> list(kInitialListBytes);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(SystemProcessInformation, list.data(),
                                                         static_cast<ULONG>(list.size()), &needed);
        if (status == kInfoLengthMismatch) {
            list.resize(std::max<size_t>(needed, list.size()) * 2);
            continue;
        }
        if (status < 0)
            list.clear();
        return list;
    }
}

// Wine keeps each process's GDI objects in a table of its own, reachable from
// its process environment block; an entry of type 0 is free.
struct WineGdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;  // bit 7 marks a stock object
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
static_assert(sizeof(WineGdiHandleEntry) == 24, "Wine's entry layout");
constexpr size_t kWineGdiHandleCount = 0x10000;
constexpr USHORT kStockObjectFlag = 0x80;
// Where the environment block keeps the table's address.
constexpr size_t kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

unsigned WineGdiObjects(HANDLE process)
{
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) < 0 || !basic.PebBaseAddress)
        return 0;
    void* table = nullptr;
    if (!ReadProcessMemory(process, reinterpret_cast<BYTE*>(basic.PebBaseAddress) + kPebGdiTableOffset, &table,
                           sizeof table, nullptr) ||
        !table)
        return 0;
    std::vector<WineGdiHandleEntry> entries(kWineGdiHandleCount);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(WineGdiHandleEntry), nullptr))
        return 0;
    return static_cast<unsigned>(std::count_if(entries.begin(), entries.end(), [](const WineGdiHandleEntry& entry) {
        return entry.type != 0 && !(entry.unique & kStockObjectFlag);
    }));
}

std::vector<HWND> MessageOnlyWindows(DWORD processId)
{
    std::vector<HWND> found;
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
        if (ProcessOf(window) == processId)
            found.push_back(window);
    return found;
}

unsigned WindowsOf(DWORD processId)
{
    unsigned count = 0;
    std::vector<HWND> roots = TopLevelWindows(nullptr, nullptr, processId);
    const std::vector<HWND> messageOnly = MessageOnlyWindows(processId);
    roots.insert(roots.end(), messageOnly.begin(), messageOnly.end());
    for (HWND root : roots) {
        ++count;
        for (HWND descendant : DescendantWindows(root))
            count += ProcessOf(descendant) == processId ? 1 : 0;
    }
    return count;
}

// GetGuiResources, or nothing when the system does not keep the count.
bool SystemGuiCount(HANDLE process, DWORD which, unsigned* count)
{
    SetLastError(ERROR_SUCCESS);
    *count = GetGuiResources(process, which);
    return *count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
}

}  // namespace

unsigned long long PrivateBytes(const Process& process)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process.handle, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return 0;
    // Both are the commit charge on Windows; Wine fills only the second (with
    // the anonymous memory the process has resident).
    return std::max<unsigned long long>(counters.PrivateUsage, counters.PagefileUsage);
}

double CpuTimeMs(DWORD processId)
{
    return ThreadCpuTimeMs(processId, 0);
}

double ThreadCpuTimeMs(DWORD processId, DWORD threadId)
{
    const std::vector<BYTE> list = ProcessList();
    for (size_t offset = 0; offset + sizeof(ProcessRecordHead) <= list.size();) {
        const auto* record = reinterpret_cast<const ProcessRecordHead*>(list.data() + offset);
        if (reinterpret_cast<ULONG_PTR>(record->uniqueProcessId) == processId) {
            if (threadId == 0)
                return static_cast<double>(record->userTime.QuadPart + record->kernelTime.QuadPart) * kMsPer100ns;
            const auto* threads = reinterpret_cast<const ThreadRecord*>(list.data() + offset + kProcessRecordSize);
            for (ULONG i = 0; i < record->numberOfThreads; ++i)
                if (reinterpret_cast<ULONG_PTR>(threads[i].uniqueThread) == threadId)
                    return static_cast<double>(threads[i].userTime.QuadPart + threads[i].kernelTime.QuadPart) *
                           kMsPer100ns;
            return 0;
        }
        if (record->nextEntryOffset == 0)
            break;
        offset += record->nextEntryOffset;
    }
    return 0;
}

unsigned GdiObjects(const Process& process)
{
    unsigned count = 0;
    return SystemGuiCount(process.handle, GR_GDIOBJECTS, &count) ? count : WineGdiObjects(process.handle);
}

unsigned UserObjects(const Process& process)
{
    unsigned count = 0;
    return SystemGuiCount(process.handle, GR_USEROBJECTS, &count) ? count : WindowsOf(process.id);
}

}  // namespace driver
