// The GDI and USER objects and the private memory of a process.
#include "driver.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace driver {
namespace {

// An entry of the GDI handle table as Wine lays it out, in 32-bit and 64-bit
// processes alike; a used entry has a type.
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "Wine's GDI handle entry");
constexpr size_t kGdiHandleCount = 0x10000;
// Where the process environment block keeps the table's address.
#ifdef _WIN64
constexpr size_t kPebGdiTableOffset = 0xF8;
#else
constexpr size_t kPebGdiTableOffset = 0x94;
#endif

using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

// GetGuiResources, or false when the system does not implement it.
bool SystemGuiCount(HANDLE process, DWORD flags, DWORD* count)
{
    SetLastError(ERROR_SUCCESS);
    *count = GetGuiResources(process, flags);
    return *count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
}

bool ReadFrom(HANDLE process, const void* address, void* buffer, size_t size)
{
    SIZE_T read = 0;
    return ReadProcessMemory(process, address, buffer, size, &read) && read == size;
}

DWORD UsedGdiTableEntries(HANDLE process)
{
    const auto query = reinterpret_cast<QueryInformationProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return 0;
    const BYTE* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const void* table = nullptr;
    if (!ReadFrom(process, peb + kPebGdiTableOffset, &table, sizeof table) || !table)
        return 0;
    std::vector<GdiHandleEntry> entries(kGdiHandleCount);
    if (!ReadFrom(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry)))
        return 0;
    DWORD used = 0;
    for (const GdiHandleEntry& entry : entries)
        used += entry.type != 0 ? 1 : 0;
    return used;
}

struct WindowCount {
    DWORD processId;
    DWORD windows;
};

BOOL CALLBACK CountDescendant(HWND, LPARAM context)
{
    ++reinterpret_cast<WindowCount*>(context)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM context)
{
    auto* count = reinterpret_cast<WindowCount*>(context);
    if (ProcessOf(window) == count->processId) {
        ++count->windows;
        EnumChildWindows(window, CountDescendant, context);
    }
    return TRUE;
}

DWORD WindowsOf(DWORD processId)
{
    WindowCount count = {processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
        if (ProcessOf(window) == processId) {
            ++count.windows;
            EnumChildWindows(window, CountDescendant, reinterpret_cast<LPARAM>(&count));
        }
    }
    return count.windows;
}

SIZE_T CommittedPrivateRegions(HANDLE process)
{
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region = {};
    const BYTE* address = nullptr;
    while (VirtualQueryEx(process, address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        const BYTE* next = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
        if (next <= address)
            break;
        address = next;
    }
    return total;
}

}  // namespace

DWORD GdiObjectCount(HANDLE process)
{
    DWORD count = 0;
    return SystemGuiCount(process, GR_GDIOBJECTS, &count) ? count : UsedGdiTableEntries(process);
}

DWORD UserObjectCount(HANDLE process)
{
    DWORD count = 0;
    return SystemGuiCount(process, GR_USEROBJECTS, &count) ? count : WindowsOf(GetProcessId(process));
}

SIZE_T PrivateBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters) &&
        counters.PrivateUsage != 0)
        return counters.PrivateUsage;
    return CommittedPrivateRegions(process);
}

}  // namespace driver
