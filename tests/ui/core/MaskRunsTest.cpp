#include "ui/core/MaskRuns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace mervik::ui {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;

TEST(MaskRuns, AllWhiteHasNoRuns) {
    std::vector<uint32_t> image(16 * 8, kWhite);
    EXPECT_TRUE(ExtractMaskRuns(image, 16, 8).empty());
}

TEST(MaskRuns, OnePixelGivesOnePixelRectangle) {
    std::vector<uint32_t> image(16 * 8, kWhite);
    image[3 * 16 + 5] = kBlack;
    auto runs = ExtractMaskRuns(image, 16, 8);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], (PixelRect{5, 3, 6, 4}));
}

TEST(MaskRuns, OnlyExactWhiteIsOutsideAndTheFourthByteIsIgnored) {
    std::vector<uint32_t> image = {0xFFFFFFFF, 0x00FFFFFE, 0x00FEFFFF, 0xAAFFFFFF};
    auto runs = ExtractMaskRuns(image, 4, 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], (PixelRect{1, 0, 3, 1}));
}

TEST(MaskRuns, RunsReachTheRowEnds) {
    std::vector<uint32_t> image = {kBlack, kBlack, kWhite, kBlack, // row 0
                                   kBlack, kBlack, kBlack, kBlack};
    auto runs = ExtractMaskRuns(image, 4, 2);
    std::vector<PixelRect> expected = {{0, 0, 2, 1}, {3, 0, 4, 1}, {0, 1, 4, 2}};
    EXPECT_EQ(runs, expected);
}

TEST(MaskRuns, ShortBufferOrBadSizeGivesNothing) {
    std::vector<uint32_t> image(10, kBlack);
    EXPECT_TRUE(ExtractMaskRuns(image, 4, 3).empty());
    EXPECT_TRUE(ExtractMaskRuns(image, 0, 3).empty());
    EXPECT_TRUE(ExtractMaskRuns(image, -1, 3).empty());
}

// A checkerboard has one run per dark pixel: far more than one batch.
TEST(MaskRuns, BatchesCoverEveryRunOnceInOrder) {
    const int w = 100, h = 90;
    std::vector<uint32_t> image(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image[y * w + x] = (x + y) % 2 ? kBlack : kWhite;
    auto runs = ExtractMaskRuns(image, w, h);
    ASSERT_EQ(runs.size(), 4500u);

    auto batches = BatchRuns(runs);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0].size(), kRegionBatchRects);
    EXPECT_EQ(batches[2].size(), 500u);
    std::vector<PixelRect> joined;
    for (auto b : batches)
        joined.insert(joined.end(), b.begin(), b.end());
    EXPECT_EQ(joined, runs);
    EXPECT_TRUE(BatchRuns({}).empty());
}

} // namespace
} // namespace mervik::ui
