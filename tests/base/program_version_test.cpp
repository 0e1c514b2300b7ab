#include "base/program_version.h"

#include <gtest/gtest.h>

TEST(ProgramVersion, VersionLineHasNoSpaceAfterTheComma) {
    EXPECT_EQ(VersionLine(), "Pelimor version,3.100");
}
