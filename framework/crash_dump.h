// The crash dump writer of both programs: when an exception that nothing handles is about to end
// the process, it writes a minidump (dbghelp's MiniDumpWriteDump) into a folder, named after the
// program and the local time ("Pelimor-20261210-211502.dmp"), traces one line naming the
// exception and the dump, and lets the process end with the exception's code, without the
// system's crash dialog. The same happens on std::terminate and abort. The dump is what a user
// can send in after a crash.
#pragma once

#include <cstdint>
#include <string>

// The exception codes a dump names when the process ended through std::terminate (a C++
// exception nothing caught) or abort (a failed assertion) rather than a fault of its own.
inline constexpr uint32_t TERMINATE_EXCEPTION_CODE = 0xE0000001;
inline constexpr uint32_t ABORT_EXCEPTION_CODE = 0xE0000002;

// folder ends with the path separator and is created when missing; programName begins the
// dump's name. Call once, early in WinMain.
void InstallCrashDumpWriter(const std::string& folder, const std::string& programName);
