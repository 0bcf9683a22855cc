#pragma once
// Two full settings images that differ in every profile, so that saving one
// over the other rewrites every file, as an Apply after real edits does.
#include <memory>

#include "tests/settings/ProfileSamples.h"

namespace mervik::bench {

inline std::unique_ptr<SharedSettingsBlock> BenchImage(int variant) {
    auto image = std::make_unique<SharedSettingsBlock>();
    testing::FillSampleImage(*image);
    for (int n = 0; n < kProfileCount; ++n)
        testing::FillSampleProfile(image->Profiles[n], n + 1 + 10 * variant);
    image->CurrentProfile = variant;
    return image;
}

} // namespace mervik::bench
