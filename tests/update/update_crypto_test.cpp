// The digest and the signature check of the platform (OpenSSL on POSIX, CNG on Windows) against
// fixed vectors; the same program runs natively and under Wine.
#include <gtest/gtest.h>

#include <string>

#include "base/os.h"
#include "update/update_public_key.h"

namespace {
std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// The test key pair of tools/keys; the signature was made with its private key over MESSAGE.
const std::string TEST_PUBLIC_KEY = FromHex(
    "f7ec03eefcf2dec9f6543f5756084efd9ca4395c4a84a32e2a08169eb6d1636e"
    "22a9af990ec90b260cad017ad627816a249d9d72a446bc094adddfe944225159");
const std::string MESSAGE = "3101\n";
const std::string SIGNATURE = FromHex(
    "84db5a4fc27e27664f7c83b7bbd97c36211531b9b51e3f3b40aec5d426319cf4"
    "d46aab20c5314fc103945a4f353793a5fdc21d24e2f00c5cea0afbe83b7c876a");
// Another valid P-256 point: the curve's generator.
const std::string OTHER_PUBLIC_KEY = FromHex(
    "6b17d1f2e12c4247f8bce6e563a440f277037d812deb33a0f4a13945d898c296"
    "4fe342e2fe1a7f9b8ee7eb4a7c0f9e162bce33576b315ececbb6406837bf51f5");
}  // namespace

TEST(UpdateCrypto, Sha256MatchesTheStandardVectors) {
    const struct {
        std::string input, digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        {std::string("\0\x01\xff", 3),
         "26a66b061e8f48f39927c312f25293959729eee95978e2892d49d3512a5cc092"},
    };
    for (const auto& c : cases) EXPECT_EQ(Os().Sha256Hex(c.input), c.digest) << c.input.size();
}

TEST(UpdateCrypto, OnlyTheSignatureOfTheKeyOverTheExactBytesIsAccepted) {
    EXPECT_TRUE(Os().VerifyP256Signature(MESSAGE, SIGNATURE, TEST_PUBLIC_KEY));

    std::string flippedSignature = SIGNATURE;
    flippedSignature[10] = static_cast<char>(flippedSignature[10] ^ 1);
    EXPECT_FALSE(Os().VerifyP256Signature(MESSAGE, flippedSignature, TEST_PUBLIC_KEY));
    EXPECT_FALSE(Os().VerifyP256Signature("3102\n", SIGNATURE, TEST_PUBLIC_KEY));
    EXPECT_FALSE(Os().VerifyP256Signature("3101\r\n", SIGNATURE, TEST_PUBLIC_KEY));
    EXPECT_FALSE(Os().VerifyP256Signature(MESSAGE, SIGNATURE, OTHER_PUBLIC_KEY));
    EXPECT_FALSE(Os().VerifyP256Signature(MESSAGE, SIGNATURE.substr(0, 63), TEST_PUBLIC_KEY));
    EXPECT_FALSE(Os().VerifyP256Signature(MESSAGE, std::string(64, '\0'), TEST_PUBLIC_KEY));
    EXPECT_FALSE(Os().VerifyP256Signature(MESSAGE, SIGNATURE, std::string(64, '\x01')));
}

TEST(UpdateCrypto, DefaultBuildsTrustTheTestKey) {
    EXPECT_EQ(std::string(UPDATE_PUBLIC_KEY), TEST_PUBLIC_KEY);
}
