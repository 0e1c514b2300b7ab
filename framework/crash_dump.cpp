#include "framework/crash_dump.h"

#include <windows.h>
#include <dbghelp.h>

#include "base/byte_text.h"
#include "base/os.h"

namespace {
// Set once, before any crash can happen; read by the filter only.
std::string g_folder;
std::string g_programName;

std::string DumpPath() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return g_folder + FormatText("%s-%04u%02u%02u-%02u%02u%02u.dmp", g_programName.c_str(),
                                 now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                                 now.wSecond);
}

bool WriteDump(const std::string& path, EXCEPTION_POINTERS* exception) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // The process made known to dbghelp without its modules: otherwise Wine's MiniDumpWriteDump
    // first loads the symbols of every module, which took a minute, and a dump needs none of
    // them. Windows' needs no symbol handler, so there the call changes nothing.
    SymInitialize(GetCurrentProcess(), nullptr, FALSE);
    MINIDUMP_EXCEPTION_INFORMATION where{GetCurrentThreadId(), exception, FALSE};
    BOOL written = MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file,
                                     MiniDumpNormal, &where, nullptr, nullptr);
    CloseHandle(file);
    if (!written) DeleteFileA(path.c_str());
    return written != FALSE;
}

// The dump first: the trace line needs the heap, which the crash may have damaged.
LONG WINAPI WriteCrashDump(EXCEPTION_POINTERS* exception) {
    CreateDirectoryA(g_folder.c_str(), nullptr);
    const std::string path = DumpPath();
    const bool written = WriteDump(path, exception);
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    Os().Trace(FormatText(
        "crash: exception %08lX at %p; %s %s", record.ExceptionCode, record.ExceptionAddress,
        written ? "dump written to" : "no dump could be written to", path.c_str()));
    return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

void InstallCrashDumpWriter(const std::string& folder, const std::string& programName) {
    g_folder = folder;
    g_programName = programName;
    SetUnhandledExceptionFilter(WriteCrashDump);
}
