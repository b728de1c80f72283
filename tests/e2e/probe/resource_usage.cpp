// The soak run's readings of the program, taken from another process as a task manager takes them.
//
// Windows counts a process's GDI and USER objects for GetGuiResources. Wine answers it with 0, so there
// the GDI objects are counted in the process's own handle table, which the system maps into every
// process and points to from its PEB, and the USER objects are approximated by the process's windows.
#include "resource_usage.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The GDI handle table's layout, the same on Windows and Wine for 64-bit processes; the soak runs the 64-bit
// program, and a 32-bit probe does not count the table.
constexpr std::size_t kPebGdiTableOffset = 0xF8;
constexpr std::size_t kGdiEntrySize = 24;
constexpr std::size_t kGdiEntryTypeOffset = 14;
constexpr std::size_t kGdiMaxHandles = 0x10000;

using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

// Live entries of the process's GDI handle table; -1 when it cannot be read.
long long CountGdiHandles(HANDLE process) {
    if constexpr (sizeof(void*) != 8) return -1;
    const auto query = reinterpret_cast<QueryInformationProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (query == nullptr || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    std::uint64_t table = 0;
    const auto* peb = static_cast<const char*>(static_cast<void*>(basic.PebBaseAddress));
    if (!ReadProcessMemory(process, peb + kPebGdiTableOffset, &table, sizeof table, nullptr) || table == 0)
        return -1;
    // Read a page's worth of entries at a time: the table may be mapped shorter than its greatest size.
    constexpr std::size_t kEntriesPerRead = 4096;
    std::vector<unsigned char> chunk(kEntriesPerRead * kGdiEntrySize);
    long long live = 0;
    for (std::size_t first = 0; first < kGdiMaxHandles; first += kEntriesPerRead) {
        SIZE_T read = 0;
        const auto address = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(table + first * kGdiEntrySize));
        if (!ReadProcessMemory(process, address, chunk.data(), chunk.size(), &read) || read != chunk.size()) break;
        for (std::size_t i = 0; i < kEntriesPerRead; ++i)
            if (chunk[i * kGdiEntrySize + kGdiEntryTypeOffset] != 0) ++live;
    }
    return live;
}

struct WindowCount {
    DWORD pid;
    long long windows = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM data) {
    auto* count = reinterpret_cast<WindowCount*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == count->pid) {
        ++count->windows;
        EnumChildWindows(hwnd, CountChild, data);
    }
    return TRUE;
}

long long CountWindows(DWORD pid) {
    WindowCount count{pid};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

unsigned long long Milliseconds(const FILETIME& time) {
    return ((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000;
}

}  // namespace

int PrintResourceUsage(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) return 1;

    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);

    long long gdi = GetGuiResources(process, GR_GDIOBJECTS);
    long long user = GetGuiResources(process, GR_USEROBJECTS);
    std::string gdiSource = "GetGuiResources", userSource = "GetGuiResources";
    if (gdi == 0) {
        gdi = CountGdiHandles(process);
        gdiSource = "handle table";
    }
    if (user == 0) {
        user = CountWindows(pid);
        userSource = "windows";
    }

    FILETIME created, exited, kernel = {}, userTime = {};
    GetProcessTimes(process, &created, &exited, &kernel, &userTime);
    CloseHandle(process);

    std::printf("{\"pid\": %lu, \"workingSet\": %llu, \"peakWorkingSet\": %llu, \"privateBytes\": %llu, "
                "\"gdiObjects\": %lld, \"gdiSource\": \"%s\", \"userObjects\": %lld, \"userSource\": \"%s\", "
                "\"kernelMs\": %llu, \"userMs\": %llu}\n",
                pid, static_cast<unsigned long long>(memory.WorkingSetSize),
                static_cast<unsigned long long>(memory.PeakWorkingSetSize),
                static_cast<unsigned long long>(memory.PrivateUsage), gdi, gdiSource.c_str(), user,
                userSource.c_str(), Milliseconds(kernel), Milliseconds(userTime));
    return 0;
}
