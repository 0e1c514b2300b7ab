#include "net/server_url.h"

#include <gtest/gtest.h>

#include "tests/net/download_test_support.h"

namespace {

class ServerUrl : public ::testing::Test {
protected:
    ~ServerUrl() override { SetBaseUrlVariable(""); }
};

TEST_F(ServerUrl, BuildSettingUnlessTheEnvironmentNamesAnother) {
    SetBaseUrlVariable("");
    EXPECT_EQ(ServerBaseUrl(), PELIMOR_DEFAULT_BASE_URL);
    SetBaseUrlVariable("http://127.0.0.1:8123/sv_pelimor/websys/");
    EXPECT_EQ(ServerBaseUrl(), "http://127.0.0.1:8123/sv_pelimor/websys/");
    EXPECT_EQ(ServerFileUrl("prims/version.dat"),
              "http://127.0.0.1:8123/sv_pelimor/websys/prims/version.dat");
}

TEST_F(ServerUrl, BaseWithoutItsFinalSlashStillJoinsPathsCleanly) {
    SetBaseUrlVariable("http://h/sv_pelimor/websys");
    EXPECT_EQ(ServerFileUrl("iadat2.dat"), "http://h/sv_pelimor/websys/iadat2.dat");
}
}  // namespace
