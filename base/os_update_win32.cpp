// The OS seam's whole files, digest and signature check on Windows: files through
// the kernel, the digest and the signature check through the Cryptography API: Next Generation
// (bcrypt.dll).
#include "base/os.h"

#include <windows.h>
#include <bcrypt.h>

#include <memory>
#include <vector>

namespace {
constexpr ULONG COORDINATE_BYTES = 32;
constexpr ULONG DIGEST_BYTES = 32;

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

struct AlgorithmCloser {
    void operator()(BCRYPT_ALG_HANDLE algorithm) const {
        BCryptCloseAlgorithmProvider(algorithm, 0);
    }
};
using Algorithm = std::unique_ptr<void, AlgorithmCloser>;

struct KeyDestroyer {
    void operator()(BCRYPT_KEY_HANDLE key) const { BCryptDestroyKey(key); }
};
using Key = std::unique_ptr<void, KeyDestroyer>;

Algorithm OpenAlgorithm(LPCWSTR name) {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm, name, nullptr, 0))) return nullptr;
    return Algorithm(algorithm);
}

PUCHAR Bytes(std::string_view text) {
    return reinterpret_cast<PUCHAR>(const_cast<char*>(text.data()));
}

struct HashDestroyer {
    void operator()(BCRYPT_HASH_HANDLE hash) const { BCryptDestroyHash(hash); }
};
using Hash = std::unique_ptr<void, HashDestroyer>;

// The hash object's create, data and finish calls rather than the one-call BCryptHash, which
// only Windows 10 has: the program runs from Windows 7 on.
bool Sha256(std::string_view bytes, UCHAR (&digest)[DIGEST_BYTES]) {
    Algorithm sha256 = OpenAlgorithm(BCRYPT_SHA256_ALGORITHM);
    BCRYPT_HASH_HANDLE created = nullptr;
    if (!sha256 ||
        !BCRYPT_SUCCESS(BCryptCreateHash(sha256.get(), &created, nullptr, 0, nullptr, 0, 0)))
        return false;
    Hash hash(created);
    return BCRYPT_SUCCESS(
               BCryptHashData(hash.get(), Bytes(bytes), static_cast<ULONG>(bytes.size()), 0)) &&
           BCRYPT_SUCCESS(BCryptFinishHash(hash.get(), digest, DIGEST_BYTES, 0));
}

// The key blob CNG imports: its header, then X and Y.
Key ImportPublicKey(BCRYPT_ALG_HANDLE ecdsa, std::string_view publicKey) {
    std::vector<UCHAR> blob(sizeof(BCRYPT_ECCKEY_BLOB) + publicKey.size());
    BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, COORDINATE_BYTES};
    memcpy(blob.data(), &header, sizeof header);
    memcpy(blob.data() + sizeof header, publicKey.data(), publicKey.size());
    BCRYPT_KEY_HANDLE key = nullptr;
    if (!BCRYPT_SUCCESS(BCryptImportKeyPair(ecdsa, nullptr, BCRYPT_ECCPUBLIC_BLOB, &key,
                                            blob.data(), static_cast<ULONG>(blob.size()), 0)))
        return nullptr;
    return Key(key);
}
}  // namespace

bool OsSeam::ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return false;
    }
    char buffer[65536];
    DWORD count = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr)) {
        if (count == 0) return true;
        bytes.append(buffer, count);
    }
    return false;
}

bool OsSeam::WriteFileBytes(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    {
        Handle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) {
            file.release();
            return false;
        }
        DWORD written = 0;
        bool complete = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                  &written, nullptr) &&
                        written == bytes.size() && FlushFileBuffers(file.get());
        if (!complete) {
            file.reset();
            DeleteFileA(temporary.c_str());
            return false;
        }
    }
    if (!MoveFileOver(temporary, path)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

void OsSeam::AppendToFile(const std::string& path, const std::string& bytes) {
    Handle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return;
    }
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void OsSeam::CreateFolders(const std::string& folder) {
    // Every "\" (all paths here are plain ASCII) ends one folder level to create.
    for (size_t i = folder.find('\\', 3); i != std::string::npos; i = folder.find('\\', i + 1))
        CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
}

void OsSeam::RemoveFolderTree(const std::string& folder) {
    std::string base = folder;
    if (!base.empty() && base.back() != '\\') base += '\\';
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((base + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
            // A read-only file or folder would survive and be taken for one of this swap's.
            if (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                SetFileAttributesA((base + name).c_str(),
                                   found.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolderTree(base + name);
            else
                DeleteFileA((base + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

std::string OsSeam::Sha256Hex(std::string_view bytes) {
    UCHAR digest[DIGEST_BYTES];
    if (!Sha256(bytes, digest)) return {};
    static const char HEX[] = "0123456789abcdef";
    std::string hex;
    for (UCHAR byte : digest) {
        hex += HEX[byte >> 4];
        hex += HEX[byte & 15];
    }
    return hex;
}

bool OsSeam::VerifyP256Signature(std::string_view message, std::string_view signature,
                                 std::string_view publicKey) {
    if (signature.size() != 2 * COORDINATE_BYTES || publicKey.size() != 2 * COORDINATE_BYTES)
        return false;
    UCHAR digest[DIGEST_BYTES];
    Algorithm ecdsa = OpenAlgorithm(BCRYPT_ECDSA_P256_ALGORITHM);
    if (!ecdsa || !Sha256(message, digest)) return false;
    Key key = ImportPublicKey(ecdsa.get(), publicKey);
    return key && BCRYPT_SUCCESS(BCryptVerifySignature(key.get(), nullptr, digest, DIGEST_BYTES,
                                                       Bytes(signature),
                                                       static_cast<ULONG>(signature.size()), 0));
}
