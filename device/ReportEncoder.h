#pragma once
// A profile as the full upload that writes it into the mouse. Encoding keeps
// no state: every upload rebuilds all cells and renumbers the banks from 1.
#include "protocol/UploadPlan.h"
#include "settings/ProfileRecord.h"

namespace mervik {

UploadPlan EncodeUpload(const ProfileRecord& profile);

} // namespace mervik
