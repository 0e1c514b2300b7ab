// What the HTML pane's browser may load and run.
#include "views/pane_download_control.h"

#include <gtest/gtest.h>

namespace {

TEST(PaneDownloadControl, NothingInThePageRunsAndOnlyImagesLoad) {
    using namespace download_control;
    for (uint32_t off : {NO_SCRIPTS, NO_JAVA, NO_RUN_ACTIVEX, NO_DOWNLOAD_ACTIVEX,
                         NO_FRAME_DOWNLOAD, NO_BEHAVIORS, NO_CLIENT_PULL, SILENT}) {
        EXPECT_EQ(PANE_DOWNLOAD_CONTROL & off, off) << std::hex << off;
    }
    EXPECT_EQ(PANE_DOWNLOAD_CONTROL & IMAGES, IMAGES);
    EXPECT_EQ(PANE_DOWNLOAD_CONTROL & (VIDEOS | BACKGROUND_SOUNDS), 0u);
}

}  // namespace
