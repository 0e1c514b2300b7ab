// The pictures the resource script names must have the sizes and frame counts the panel
// relies on, their page backgrounds may be holed only at the rounded corners, and the buttons
// must fit the panel where it places them.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/test_os.h"
#include "views/pixel_runs.h"

namespace {

const std::filesystem::path SOURCE_ROOT =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();

constexpr uint32_t WHITE = 0x00FFFFFF;

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

uint32_t Little(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    }
    return value;
}

// Reads an uncompressed 24-bit bitmap file; an empty bitmap for anything else.
Bitmap ReadBitmap(const std::filesystem::path& path) {
    std::string bytes = ReadBytes(path.string());
    Bitmap bitmap;
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return bitmap;
    if (Little(bytes, 28, 2) != 24 || Little(bytes, 30, 4) != 0) return bitmap;
    size_t offset = Little(bytes, 10, 4);
    int width = static_cast<int>(Little(bytes, 18, 4));
    int height = static_cast<int>(static_cast<int32_t>(Little(bytes, 22, 4)));
    bool bottomUp = height > 0;
    height = bottomUp ? height : -height;
    size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    if (bytes.size() < offset + stride * static_cast<size_t>(height)) return bitmap;
    for (int y = 0; y < height; ++y) {
        size_t row = offset + stride * static_cast<size_t>(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            size_t at = row + static_cast<size_t>(x) * 3;
            bitmap.pixels.push_back(Little(bytes, at, 3));
        }
    }
    bitmap.width = width;
    bitmap.height = height;
    return bitmap;
}

// Bitmap number -> file, as the resource script and resource.h say.
std::map<int, std::filesystem::path> BitmapFiles() {
    std::map<std::string, int> numbers;
    std::istringstream header(ReadBytes((SOURCE_ROOT / "resources/resource.h").string()));
    std::regex define(R"(#define\s+(\w+)\s+(\d+))");
    std::smatch match;
    for (std::string line; std::getline(header, line);) {
        if (std::regex_search(line, match, define)) numbers[match[1]] = std::stoi(match[2]);
    }
    std::map<int, std::filesystem::path> files;
    std::istringstream script(ReadBytes((SOURCE_ROOT / "resources/Pelimor.rc").string()));
    std::regex bitmap(R"(^(\w+)\s+BITMAP\s+\"([^\"]+)\")");
    for (std::string line; std::getline(script, line);) {
        if (std::regex_search(line, match, bitmap) && numbers.count(match[1])) {
            files[numbers[match[1]]] = SOURCE_ROOT / match[2].str();
        }
    }
    return files;
}

struct Button {
    int number;
    int x;
    int y;
    int frames;
};

// Where the panel puts its buttons, and how many frames each strip holds.
const std::vector<Button> BUTTONS = {
    {131, 216, 17, 3}, {134, 5, 16, 1},    {135, 4, 44, 4},   {136, 61, 44, 4},
    {160, 119, 44, 4}, {141, 42, 87, 3},   {140, 188, 87, 3}, {154, 220, 275, 3},
    {155, 220, 87, 3}, {179, 187, 294, 4}, {182, 97, 294, 4}, {181, 56, 294, 4},
    {180, 10, 294, 4}, {186, 187, 424, 4}, {185, 10, 424, 4},
};

class ArtTest : public ::testing::Test {
protected:
    Bitmap Load(int number) {
        auto file = files_.find(number);
        if (file == files_.end()) {
            ADD_FAILURE() << "no bitmap " << number << " in the resource script";
            return {};
        }
        return ReadBitmap(file->second);
    }

    std::map<int, std::filesystem::path> files_ = BitmapFiles();
};

TEST_F(ArtTest, PagesListPicturesAndFlagsHaveTheirSizes) {
    std::map<int, std::pair<int, int>> sizes = {
        {129, {240, 534}}, {130, {240, 342}}, {156, {240, 534}}, {159, {240, 534}},
        {200, {240, 535}}, {142, {20, 20}},   {143, {13, 26}},
    };
    for (int flag :
         {144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 166, 167, 168, 169, 170, 178}) {
        sizes[flag] = {21, 15};
    }
    for (const auto& [number, size] : sizes) {
        Bitmap bitmap = Load(number);
        EXPECT_EQ(bitmap.width, size.first) << "bitmap " << number;
        EXPECT_EQ(bitmap.height, size.second) << "bitmap " << number;
    }
}

TEST_F(ArtTest, PageBackgroundsAreHoledOnlyAtTheirRoundedCorners) {
    for (int number : {129, 130, 156, 159, 200}) {
        Bitmap page = Load(number);
        ASSERT_FALSE(page.pixels.empty()) << "bitmap " << number;
        const int corner = 16;
        for (int y = 0; y < page.height; ++y) {
            for (int x = 0; x < page.width; ++x) {
                if (page.At(x, y) != WHITE) continue;
                bool nearCornerX = x < corner || x >= page.width - corner;
                bool nearCornerY = y < corner || y >= page.height - corner;
                ASSERT_TRUE(nearCornerX && nearCornerY)
                    << "hole at " << x << "," << y << " of bitmap " << number;
            }
        }
        for (auto [x, y] : {std::pair{0, 0},
                            {page.width - 1, 0},
                            {0, page.height - 1},
                            {page.width - 1, page.height - 1}}) {
            EXPECT_EQ(page.At(x, y), WHITE) << "corner " << x << "," << y << " of " << number;
        }
        // Every row belongs to the window in one piece.
        std::vector<PixelRect> runs =
            FindSolidRuns(page.pixels.data(), page.width, page.height, WHITE, false);
        EXPECT_EQ(runs.size(), static_cast<size_t>(page.height)) << "bitmap " << number;
    }
}

TEST_F(ArtTest, ButtonStripsHoldWholeFramesAndFitThePanelSideBySide) {
    std::vector<PixelRect> placed;
    for (const Button& button : BUTTONS) {
        Bitmap strip = Load(button.number);
        ASSERT_GT(strip.width, 0) << "bitmap " << button.number;
        EXPECT_EQ(strip.height % button.frames, 0) << "bitmap " << button.number;
        PixelRect rect{button.x, button.y, button.x + strip.width,
                       button.y + strip.height / button.frames};
        EXPECT_LE(rect.right, 236) << "bitmap " << button.number;
        EXPECT_GT(rect.bottom - rect.top, 8) << "bitmap " << button.number;
        placed.push_back(rect);
    }
    for (size_t i = 0; i < placed.size(); ++i) {
        for (size_t j = i + 1; j < placed.size(); ++j) {
            const PixelRect& a = placed[i];
            const PixelRect& b = placed[j];
            bool overlap =
                a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
            EXPECT_FALSE(overlap) << "buttons " << BUTTONS[i].number << " and "
                                  << BUTTONS[j].number;
        }
    }
}

}  // namespace
