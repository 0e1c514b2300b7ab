#include "framework/crash_dump.h"

#include <windows.h>
#include <dbghelp.h>

#include <csignal>
#include <exception>

#include "base/byte_text.h"
#include "base/os.h"

namespace {
// Set once, before any crash can happen; read by the filter only.
std::string g_folder;
std::string g_programName;

// "Pelimor-20261210-211502.dmp"; a second crash within the same second (a program restarted
// at once) takes "-2", "-3", ... rather than overwrite the first one's dump.
std::string DumpPath(int repeat) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string suffix = repeat > 1 ? FormatText("-%d", repeat) : std::string();
    return g_folder + FormatText("%s-%04u%02u%02u-%02u%02u%02u%s.dmp", g_programName.c_str(),
                                 now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                                 now.wSecond, suffix.c_str());
}

// A new dump file (never one already there), or INVALID_HANDLE_VALUE; path is set to its name.
HANDLE CreateDumpFile(std::string& path) {
    for (int repeat = 1; repeat <= 100; ++repeat) {
        path = DumpPath(repeat);
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteDump(std::string& path, EXCEPTION_POINTERS* exception) {
    HANDLE file = CreateDumpFile(path);
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

// The dump before the trace line: the line formats more text on a heap the crash may have
// damaged, so the dump is the likelier of the two to come through.
LONG WINAPI WriteCrashDump(EXCEPTION_POINTERS* exception) {
    CreateDirectoryA(g_folder.c_str(), nullptr);
    std::string path;
    const bool written = WriteDump(path, exception);
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    Os().Trace(FormatText(
        "crash: exception %08lX at %p; %s %s", record.ExceptionCode, record.ExceptionAddress,
        written ? "dump written to" : "no dump could be written to", path.c_str()));
    return EXCEPTION_EXECUTE_HANDLER;
}

// std::terminate (a C++ exception nothing caught, a throw out of a noexcept function) and abort
// (a failed assertion) end the process without an exception the filter sees: each raises one,
// so the dump holds the stack of the call that gave up.
[[noreturn]] void RaiseTerminate() {
    RaiseException(TERMINATE_EXCEPTION_CODE, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    std::_Exit(3);  // not reached: the filter ends the process
}

void RaiseAbort(int) { RaiseException(ABORT_EXCEPTION_CODE, EXCEPTION_NONCONTINUABLE, 0, nullptr); }
}  // namespace

void InstallCrashDumpWriter(const std::string& folder, const std::string& programName) {
    g_folder = folder;
    g_programName = programName;
    SetUnhandledExceptionFilter(WriteCrashDump);
    std::set_terminate(RaiseTerminate);
    std::signal(SIGABRT, RaiseAbort);
}
