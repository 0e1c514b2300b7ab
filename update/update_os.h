// The updater's part of the operating-system seam: whole-file operations, the digest, the
// signature check and the lock that keeps two updates apart.
//
// Portable update code calls UpdateOs(); each platform implements the members in its own file
// (os_update_posix.cpp with OpenSSL, os_update_win32.cpp with the Windows CNG API). Tests derive
// from UpdateOsSeam to keep the files in memory, stop "the process" after any step, or fail a
// single operation, and install it with ScopedUpdateOs.
#pragma once

#include <string>
#include <string_view>

class UpdateOsSeam {
public:
    virtual ~UpdateOsSeam() = default;

    // The whole file, untranslated; false when it cannot be read.
    virtual bool ReadFileBytes(const std::string& path, std::string& bytes);
    // Writes the bytes as the whole file through a temporary file beside it, so the target is
    // either the old file or the complete new one.
    virtual bool WriteFileBytes(const std::string& path, const std::string& bytes);
    // Moves a file, replacing the target, and returns only once the move is on disk.
    virtual bool MoveReplacing(const std::string& source, const std::string& target);
    virtual bool RemoveFile(const std::string& path);
    virtual bool PathExists(const std::string& path);
    // Adds the bytes at the end of the file, creating it (not its folder) when missing.
    virtual void AppendToFile(const std::string& path, const std::string& bytes);
    // Creates the folder and every missing folder above it.
    virtual void CreateFolders(const std::string& folder);
    // Removes the folder with everything in it; what cannot be removed (a running program) stays.
    virtual void RemoveFolderTree(const std::string& folder);

    // SHA-256 of the bytes as 64 lower-case hex digits.
    virtual std::string Sha256Hex(std::string_view bytes);
    // True when signature (r and s, 32 bytes each, big-endian) is a valid ECDSA P-256 signature
    // over the SHA-256 of message by the key publicKey (X and Y, 32 bytes each, big-endian).
    virtual bool VerifyP256Signature(std::string_view message, std::string_view signature,
                                     std::string_view publicKey);

    // The system-wide lock of the updater, held until ReleaseUpdateLock or the end of the
    // process; false when another process holds it.
    virtual bool AcquireUpdateLock();
    virtual void ReleaseUpdateLock();
};

// The seam in use: the platform's own unless a test installed another.
UpdateOsSeam& UpdateOs();

class ScopedUpdateOs {
public:
    explicit ScopedUpdateOs(UpdateOsSeam& seam);
    ~ScopedUpdateOs();
    ScopedUpdateOs(const ScopedUpdateOs&) = delete;
    ScopedUpdateOs& operator=(const ScopedUpdateOs&) = delete;

private:
    UpdateOsSeam* previous_;
};
