#include "process_figures.h"

#include "driver.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace {

// The environment block's pointer to the GDI handle table (64-bit layout),
// and the table: 65536 entries of 24 bytes, an entry in use has a type.
constexpr size_t kPebGdiHandleTableOffset = 0xF8;
constexpr size_t kGdiHandleCount = 0x10000;
struct GdiHandleEntry {
    ULONGLONG object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONGLONG user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "an entry of the GDI handle table");

using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

size_t GdiHandlesInUse(HANDLE process)
{
    static_assert(sizeof(void*) == 8, "the table's place is that of the 64-bit environment block");
    const auto query = reinterpret_cast<QueryInformationProcess>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return 0;
    void* table = nullptr;
    const auto* tablePointer = static_cast<const BYTE*>(static_cast<void*>(basic.PebBaseAddress)) +
                               kPebGdiHandleTableOffset;
    if (!ReadProcessMemory(process, tablePointer, &table, sizeof table, nullptr) || !table)
        return 0;
    std::vector<GdiHandleEntry> entries(kGdiHandleCount);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry), nullptr))
        return 0;
    size_t inUse = 0;
    for (const GdiHandleEntry& entry : entries)
        inUse += entry.type != 0 ? 1 : 0;
    return inUse;
}

size_t WindowsOf(DWORD processId)
{
    size_t count = 0;
    for (HWND window : driver::TopLevelWindows(nullptr, nullptr, processId))
        count += 1 + driver::DescendantWindows(window).size();
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
        count += driver::ProcessOf(window) == processId ? 1 : 0;
    return count;
}

}  // namespace

ProcessFigures FiguresOf(HANDLE process, DWORD processId)
{
    ProcessFigures figures;
    figures.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    figures.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    figures.gdiHandles = GdiHandlesInUse(process);
    figures.windows = WindowsOf(processId);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        figures.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    return figures;
}
