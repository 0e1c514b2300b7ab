// The size limit on what the publisher reads from a source, a file or a download.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "publish/source_bytes.h"
#include "tests/support/loopback_server.h"
#include "tests/support/test_os.h"

namespace {
TEST(SourceBytes, RefusesFilesAndDownloadsOver32MiB) {
    TempFolder folder;
    const std::string path = folder.Path() + "big.ics";
    std::ofstream(path, std::ios::binary) << "x";
    std::string bytes, error;
    std::filesystem::resize_file(path, MAX_SOURCE_BYTES);
    EXPECT_TRUE(ReadSourceBytes(path, bytes, error)) << error;
    EXPECT_EQ(bytes.size(), MAX_SOURCE_BYTES);
    std::filesystem::resize_file(path, MAX_SOURCE_BYTES + 1);
    EXPECT_FALSE(ReadSourceBytes(path, bytes, error));
    EXPECT_EQ(error, "larger than 32 MiB");

    LoopbackServer server({{"HTTP/1.1 200 OK\r\n\r\n" + std::string(MAX_SOURCE_BYTES + 1, 'x')}});
    EXPECT_FALSE(ReadSourceBytes("http://" + server.HostAndPort() + "/big.ics", bytes, error));
    EXPECT_EQ(error, "larger than 32 MiB");
}
}  // namespace
