#include "net/server_url.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
void SetBaseUrlVariable(const char* value) {
#ifdef _WIN32
    _putenv_s("PELIMOR_BASE_URL", value);
#else
    if (*value)
        setenv("PELIMOR_BASE_URL", value, 1);
    else
        unsetenv("PELIMOR_BASE_URL");
#endif
}

class ServerUrl : public ::testing::Test {
protected:
    ~ServerUrl() override { SetBaseUrlVariable(""); }
};

TEST_F(ServerUrl, BuildSettingUnlessTheEnvironmentNamesAnother) {
    SetBaseUrlVariable("");
    EXPECT_EQ(ServerBaseUrl(), PELIMOR_DEFAULT_BASE_URL);
    SetBaseUrlVariable("http://127.0.0.1:8123/sv_pelimor/websys/");
    EXPECT_EQ(ServerBaseUrl(), "http://127.0.0.1:8123/sv_pelimor/websys/");
    EXPECT_EQ(ServerFileUrl("prims/version.dat"), "http://127.0.0.1:8123/sv_pelimor/websys/prims/version.dat");
}

TEST_F(ServerUrl, BaseWithoutItsFinalSlashStillJoinsPathsCleanly) {
    SetBaseUrlVariable("http://h/sv_pelimor/websys");
    EXPECT_EQ(ServerFileUrl("iadat2.dat"), "http://h/sv_pelimor/websys/iadat2.dat");
}
}  // namespace
