// The processor time of a process and of its threads. Wine answers
// GetProcessTimes for another process with the caller's own figures, so the
// times come from the system's process list, which both Windows and Wine fill
// truthfully.
#include "driver.h"

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

}  // namespace

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

}  // namespace driver
