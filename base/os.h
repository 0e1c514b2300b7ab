// The operating-system seam: everything the portable core needs from the system.
//
// The portable code includes no system header; it calls Os(). Each platform implements the
// members in its own files (os_posix.cpp, os_win32.cpp; os_update_posix.cpp with OpenSSL and
// os_update_win32.cpp with the Windows CNG API for the updater's files, digest and signature).
// Tests derive from OsSeam, override what they need (a settable clock, recorded questions) and
// install it with ScopedOs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The buttons and the icon of a message box together, so no question goes out without the icon
// that tells the user what kind of box it is.
enum class MessageKind {
    Ok,             // OK, no icon
    Information,    // OK, information icon
    YesNoQuestion,  // Yes and No, question icon
    OkCancel,       // OK and Cancel, no icon
};
enum class MessageAnswer { Ok, Cancel, Yes, No };

class OsSeam {
public:
    virtual ~OsSeam() = default;

    // Seconds since 1970 UTC.
    virtual int64_t Now();
    // Blocks the calling thread; the chime's wait goes through here so tests never sleep.
    virtual void SleepMilliseconds(int milliseconds);

    // Folder of the running program file, ending with the path separator.
    virtual std::string ProgramFolder();
    // Creates one folder; an existing folder or any other failure is ignored.
    virtual void CreateFolder(const std::string& path);
    // Creates the folder and every missing folder above it.
    virtual void CreateFolders(const std::string& folder);
    // Removes the folder with everything in it; what cannot be removed (a running program) stays.
    virtual void RemoveFolderTree(const std::string& folder);
    virtual bool PathExists(const std::string& path);
    // Replaces target by source in one step (the target is never left half written) and returns
    // only once the move is on disk.
    virtual bool MoveFileOver(const std::string& source, const std::string& target);
    virtual bool RemoveFile(const std::string& path);

    // The whole file, untranslated; false when it cannot be read.
    virtual bool ReadFileBytes(const std::string& path, std::string& bytes);
    // Writes the bytes as the whole file through a temporary file beside it, so the target is
    // either the old file or the complete new one.
    virtual bool WriteFileBytes(const std::string& path, const std::string& bytes);
    // Adds the bytes at the end of the file, creating it (not its folder) when missing.
    virtual void AppendToFile(const std::string& path, const std::string& bytes);

    // SHA-256 of the bytes as 64 lower-case hex digits.
    virtual std::string Sha256Hex(std::string_view bytes);
    // True when signature (r and s, 32 bytes each, big-endian) is a valid ECDSA P-256 signature
    // over the SHA-256 of message by the key publicKey (X and Y, 32 bytes each, big-endian).
    virtual bool VerifyP256Signature(std::string_view message, std::string_view signature,
                                     std::string_view publicKey);

    // Named single-instance lock; false when another process holds it. Released by
    // ReleaseInstanceLock or when the process ends.
    virtual bool AcquireInstanceLock(const std::string& name);
    virtual void ReleaseInstanceLock();
    // The system-wide lock that keeps two updates apart, held until ReleaseUpdateLock or the end
    // of the process; false when another process holds it.
    virtual bool AcquireUpdateLock();
    virtual void ReleaseUpdateLock();

    // A message box without owner, captioned "Pelimor".
    virtual MessageAnswer AskUser(const std::string& text, MessageKind kind);
    // Opens a document, program or URL with the shell ("open"), with optional parameters.
    virtual bool OpenWithShell(const std::string& target, const std::string& parameters);

    // The user's roaming application-data folder; "" when the system has none.
    virtual std::string RoamingAppDataFolder();
    // Full paths of the folders directly inside folder, in the order the file system lists them.
    // Links and junctions are left out, so a walk over a tree can never run in a circle.
    virtual std::vector<std::string> ListSubfolders(const std::string& folder);
    // The same with links and junctions to folders included, for a look one level deep that
    // cannot run in a circle: a folder moved elsewhere and linked back is found where it was.
    virtual std::vector<std::string> ListSubfoldersWithLinks(const std::string& folder);
    // UTF-16 text in the ANSI code page; every character the code page lacks becomes "?".
    virtual std::string Utf16ToAnsi(const std::u16string& text);
    // The roots of the computer's fixed drives, each ending with the path separator.
    virtual std::vector<std::string> FixedDriveRoots();
    // Ends the process at once with the exit code: no window is closed, nothing else runs.
    virtual void ExitProcessNow(int exitCode);
    // The user's Startup folder and desktop folder, without a trailing separator; "" when the
    // system has none.
    virtual std::string StartupFolder();
    virtual std::string DesktopFolder();
    // Writes a shell link at linkPath to target; true exactly when the link file was saved.
    virtual bool CreateShortcut(const std::string& linkPath, const std::string& target,
                                const std::string& arguments, const std::string& description,
                                const std::string& workingFolder);

    // Writes one line, prefixed "Pelimor: ", to the platform's debug channel
    // (OutputDebugStringA on Windows, stderr elsewhere), and with the time to the trace file
    // when the user switched it on (base/trace_file_switch.h): why a step that only returns
    // false failed. Any thread may call it.
    virtual void Trace(const std::string& line);
};

// The seam in use: the platform's own unless a test installed another.
OsSeam& Os();

// Installs a seam for the lifetime of this object (tests).
class ScopedOs {
public:
    explicit ScopedOs(OsSeam& seam);
    ~ScopedOs();
    ScopedOs(const ScopedOs&) = delete;
    ScopedOs& operator=(const ScopedOs&) = delete;

private:
    OsSeam* previous_;
};

// The path separator of the platform: '\\' on Windows, '/' elsewhere.
char PathSeparator();
