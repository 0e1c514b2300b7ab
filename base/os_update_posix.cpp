// The OS seam's whole files, digest and signature check on POSIX systems: files
// through the C library and std::filesystem, the digest and the signature check through OpenSSL.
#include "base/os.h"

#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/ecdsa.h>
#include <openssl/evp.h>
#include <openssl/param_build.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

template <typename T, void (*Free)(T*)>
struct Freer {
    void operator()(T* p) const { Free(p); }
};
using PkeyCtx = std::unique_ptr<EVP_PKEY_CTX, Freer<EVP_PKEY_CTX, EVP_PKEY_CTX_free>>;
using Pkey = std::unique_ptr<EVP_PKEY, Freer<EVP_PKEY, EVP_PKEY_free>>;
using MdCtx = std::unique_ptr<EVP_MD_CTX, Freer<EVP_MD_CTX, EVP_MD_CTX_free>>;
using EcdsaSig = std::unique_ptr<ECDSA_SIG, Freer<ECDSA_SIG, ECDSA_SIG_free>>;
using ParamBuild = std::unique_ptr<OSSL_PARAM_BLD, Freer<OSSL_PARAM_BLD, OSSL_PARAM_BLD_free>>;
using Params = std::unique_ptr<OSSL_PARAM, Freer<OSSL_PARAM, OSSL_PARAM_free>>;

constexpr size_t COORDINATE_BYTES = 32;

const unsigned char* Bytes(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

// An EVP key from the raw X and Y: the uncompressed point 04 || X || Y on prime256v1.
Pkey PublicKeyFromRaw(std::string_view publicKey) {
    std::string point = "\x04" + std::string(publicKey);
    ParamBuild build(OSSL_PARAM_BLD_new());
    if (!build ||
        !OSSL_PARAM_BLD_push_utf8_string(build.get(), OSSL_PKEY_PARAM_GROUP_NAME, "prime256v1",
                                         0) ||
        !OSSL_PARAM_BLD_push_octet_string(build.get(), OSSL_PKEY_PARAM_PUB_KEY, point.data(),
                                          point.size()))
        return nullptr;
    Params params(OSSL_PARAM_BLD_to_param(build.get()));
    PkeyCtx context(EVP_PKEY_CTX_new_from_name(nullptr, "EC", nullptr));
    EVP_PKEY* key = nullptr;
    if (!params || !context || EVP_PKEY_fromdata_init(context.get()) <= 0 ||
        EVP_PKEY_fromdata(context.get(), &key, EVP_PKEY_PUBLIC_KEY, params.get()) <= 0)
        return nullptr;
    return Pkey(key);
}

// OpenSSL verifies DER signatures; the raw r || s form is re-encoded first.
std::string DerFromRaw(std::string_view signature) {
    EcdsaSig sig(ECDSA_SIG_new());
    BIGNUM* r = BN_bin2bn(Bytes(signature), COORDINATE_BYTES, nullptr);
    BIGNUM* s = BN_bin2bn(Bytes(signature) + COORDINATE_BYTES, COORDINATE_BYTES, nullptr);
    if (!sig || !r || !s || !ECDSA_SIG_set0(sig.get(), r, s)) {
        BN_free(r);
        BN_free(s);
        return {};
    }
    unsigned char* der = nullptr;
    int length = i2d_ECDSA_SIG(sig.get(), &der);
    if (length <= 0) return {};
    std::string result(reinterpret_cast<char*>(der), static_cast<size_t>(length));
    OPENSSL_free(der);
    return result;
}
}  // namespace

bool OsSeam::ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    return std::ferror(file.get()) == 0;
}

bool OsSeam::WriteFileBytes(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    {
        File file(std::fopen(temporary.c_str(), "wb"));
        if (!file) return false;
        bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                       std::fflush(file.get()) == 0 && fsync(fileno(file.get())) == 0;
        if (!written) {
            file.reset();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (!MoveFileOver(temporary, path)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

void OsSeam::AppendToFile(const std::string& path, const std::string& bytes) {
    File file(std::fopen(path.c_str(), "ab"));
    if (file) std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}

void OsSeam::CreateFolders(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

void OsSeam::RemoveFolderTree(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string OsSeam::Sha256Hex(std::string_view bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr)) return {};
    static const char HEX[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += HEX[digest[i] >> 4];
        hex += HEX[digest[i] & 15];
    }
    return hex;
}

bool OsSeam::VerifyP256Signature(std::string_view message, std::string_view signature,
                                 std::string_view publicKey) {
    if (signature.size() != 2 * COORDINATE_BYTES || publicKey.size() != 2 * COORDINATE_BYTES)
        return false;
    Pkey key = PublicKeyFromRaw(publicKey);
    std::string der = DerFromRaw(signature);
    MdCtx context(EVP_MD_CTX_new());
    if (!key || der.empty() || !context ||
        EVP_DigestVerifyInit(context.get(), nullptr, EVP_sha256(), nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), Bytes(der), der.size(), Bytes(message),
                            message.size()) == 1;
}
