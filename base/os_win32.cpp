// The OS seam on Windows.
#include "base/os.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <objidl.h>
#include <shobjidl.h>

#include <ctime>

#include "base/cancel_token.h"
#include "base/cp932_text.h"
#include "base/trace_file_switch.h"

namespace {
HANDLE g_instanceMutex = nullptr;
// A mutex of its own: the panel's is PANEL_INSTANCE_LOCK_NAME (base/panel_and_updater.h), and the
// updater must not hold that one.
const char UPDATE_LOCK_NAME[] = "PELIMOR_UPDATER_MUTEX";
HANDLE g_updateLock = nullptr;

enum class LockResult { Taken, HeldElsewhere, Unavailable };

// A named mutex owned by this process while held.
LockResult TakeMutex(const char* name, HANDLE& held) {
    if (held) return LockResult::Taken;
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name);
    if (!mutex) return LockResult::Unavailable;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return LockResult::HeldElsewhere;
    }
    held = mutex;
    return LockResult::Taken;
}

void DropMutex(HANDLE& held) {
    if (!held) return;
    ReleaseMutex(held);
    CloseHandle(held);
    held = nullptr;
}
}  // namespace

char PathSeparator() { return '\\'; }

void OsSeam::Trace(const std::string& line) {
    OutputDebugStringA(("Pelimor: " + line + "\n").c_str());
    WriteToTraceFile(Now(), line);
}

int64_t OsSeam::Now() { return static_cast<int64_t>(std::time(nullptr)); }

// A worker's pause ends early when its work is cancelled.
void OsSeam::SleepMilliseconds(int milliseconds) { SleepUnlessCancelled(milliseconds); }

std::string OsSeam::ProgramFolder() {
    char buffer[MAX_PATH * 2] = {};
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string path(buffer, length);
    return path.substr(0, FindLastOfMbcs(path, "\\") + 1);
}

void OsSeam::CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

bool OsSeam::PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool OsSeam::MoveFileOver(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool OsSeam::RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()) != 0; }

// No lock to be had: the panel does not refuse to run.
bool OsSeam::AcquireInstanceLock(const std::string& name) {
    return TakeMutex(name.c_str(), g_instanceMutex) != LockResult::HeldElsewhere;
}

void OsSeam::ReleaseInstanceLock() { DropMutex(g_instanceMutex); }

// An update goes ahead only under the lock.
bool OsSeam::AcquireUpdateLock() {
    return TakeMutex(UPDATE_LOCK_NAME, g_updateLock) == LockResult::Taken;
}

void OsSeam::ReleaseUpdateLock() { DropMutex(g_updateLock); }

namespace {
// Some systems (Wine) let MB_TOPMOST go unheeded: the box is also made topmost as the thread
// activates it. Only an ownerless window is raised, and the dialogs that raise boxes have owners.
LRESULT CALLBACK RaiseOwnerlessOnActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (!GetWindow(window, GW_OWNER))
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Keeps the hook above on this thread while one message box is open.
class TopmostBoxScope {
public:
    TopmostBoxScope()
        : hook_(SetWindowsHookExA(WH_CBT, RaiseOwnerlessOnActivation, nullptr,
                                  GetCurrentThreadId())) {}
    ~TopmostBoxScope() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    TopmostBoxScope(const TopmostBoxScope&) = delete;
    TopmostBoxScope& operator=(const TopmostBoxScope&) = delete;

private:
    HHOOK hook_;
};
}  // namespace

MessageAnswer OsSeam::AskUser(const std::string& text, MessageKind kind) {
    UINT type = kind == MessageKind::YesNoQuestion ? MB_YESNO | MB_ICONQUESTION
                : kind == MessageKind::Information ? MB_OK | MB_ICONINFORMATION
                : kind == MessageKind::OkCancel    ? MB_OKCANCEL
                                                   : MB_OK;
    // Without an owner (a box may outlive the dialog that raised it) and yet above that dialog,
    // which the topmost panel owns and so is topmost too: the box must be topmost itself.
    type |= MB_TOPMOST | MB_SETFOREGROUND;
    TopmostBoxScope raised;
    switch (MessageBoxA(nullptr, text.c_str(), "Pelimor", type)) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDCANCEL: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

bool OsSeam::OpenWithShell(const std::string& target, const std::string& parameters) {
    HINSTANCE result =
        ShellExecuteA(nullptr, "open", target.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

std::string OsSeam::RoamingAppDataFolder() {
    char buffer[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_APPDATA, FALSE)) return std::string();
    return buffer;
}

namespace {
std::vector<std::string> SubfoldersOf(const std::string& folder, bool withLinks) {
    std::vector<std::string> subfolders;
    const std::string prefix = WithTrailingMbcs(folder, '\\');
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((prefix + "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return subfolders;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const bool link = found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (withLinks || !link))
            subfolders.push_back(prefix + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return subfolders;
}
}  // namespace

std::vector<std::string> OsSeam::ListSubfolders(const std::string& folder) {
    // Junctions such as "Application Data" point back up the tree: never follow them.
    return SubfoldersOf(folder, false);
}

std::vector<std::string> OsSeam::ListSubfoldersWithLinks(const std::string& folder) {
    return SubfoldersOf(folder, true);
}

std::string OsSeam::Utf16ToAnsi(const std::u16string& text) {
    if (text.empty()) return std::string();
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string converted(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, converted.data(), size, nullptr, nullptr);
    return converted;
}

std::vector<std::string> OsSeam::FixedDriveRoots() {
    std::vector<std::string> roots;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (GetDriveTypeA(root.c_str()) == DRIVE_FIXED) roots.push_back(root);
    }
    return roots;
}

void OsSeam::ExitProcessNow(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

namespace {
std::string SpecialFolder(int folderId) {
    char path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, folderId, FALSE)) return "";
    return path;
}
}  // namespace

std::string OsSeam::StartupFolder() { return SpecialFolder(CSIDL_STARTUP); }
std::string OsSeam::DesktopFolder() { return SpecialFolder(CSIDL_DESKTOP); }

bool OsSeam::CreateShortcut(const std::string& linkPath, const std::string& target,
                            const std::string& arguments, const std::string& description,
                            const std::string& workingFolder) {
    bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    bool saved = false;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            link->SetPath(target.c_str());
            link->SetArguments(arguments.c_str());
            link->SetDescription(description.c_str());
            link->SetWorkingDirectory(workingFolder.c_str());
            wchar_t widePath[MAX_PATH] = {};
            if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) > 0)
                saved = SUCCEEDED(file->Save(widePath, TRUE));
            file->Release();
        }
        link->Release();
    }
    if (comStarted) CoUninitialize();
    return saved;
}
