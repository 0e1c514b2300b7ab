#include "metatrader/file_digest.h"

#include <gtest/gtest.h>

#include "tests/support/test_os.h"

namespace {
class FileDigestTest : public ::testing::Test {
protected:
    std::string DigestOf(const std::string& bytes) {
        WriteBytes(path, bytes);
        return FileDigest(path);
    }

    TempFolder temp;
    std::string path = temp.Path() + "QZEA.ex4";
};
}  // namespace

TEST_F(FileDigestTest, MatchesDigestsWorkedOutByHand) {
    // 10 bytes: size - 1 = 9 ("19"), then 'A'..'I' (65..73 mod 62 = 3..11), the last byte
    // unsummed and seven empty columns.
    EXPECT_EQ(DigestOf("ABCDEFGHIJ"), "193456789ab0000000");
    // 4097 bytes of 0xFF: 4096 = 0x1000 ("41000"); each column sums 256 x 255 = 65280, and
    // 65280 mod 62 = 56 = 'U'.
    EXPECT_EQ(DigestOf(std::string(4097, '\xFF')), "41000UUUUUUUUUUUUUUUU");
    // One byte: nothing is summed.
    EXPECT_EQ(DigestOf("Z"), "100000000000000000");
}

TEST_F(FileDigestTest, SumsEveryByteOfABinaryFile) {
    // A zero byte does not end the file: the 'A' after it lands in column 1.
    EXPECT_EQ(DigestOf(std::string("\0AZ", 3)), "1203" + std::string(14, '0'));
}

TEST_F(FileDigestTest, IsEmptyForAnEmptyOrMissingFile) {
    EXPECT_EQ(DigestOf(""), "");
    EXPECT_EQ(FileDigest(temp.Path() + "missing.ex4"), "");
    EXPECT_EQ(FileDigest(temp.Path()), "");  // a folder
}

TEST_F(FileDigestTest, ChangesWithTheSizeAndEveryByteButTheLast) {
    std::string bytes(5000, '\0');
    for (size_t at = 0; at < bytes.size(); ++at) bytes[at] = static_cast<char>(at * 7 % 251);
    const std::string original = DigestOf(bytes);
    ASSERT_EQ(original.size(), 21u);

    std::string lastChanged = bytes;
    lastChanged.back() ^= 0x55;
    EXPECT_EQ(DigestOf(lastChanged), original);

    std::string middleChanged = bytes;
    middleChanged[2500] ^= 0x01;
    EXPECT_NE(DigestOf(middleChanged), original);

    EXPECT_NE(DigestOf(bytes + '\0'), original);  // one more byte, same sums
}
