#include "device/ReportEncoder.h"

#include <span>

#include "device/ButtonMap.h"
#include "device/SettingsReports.h"

namespace mervik {

namespace {

void AddColours(UploadPlan& plan, const ProfileRecord& profile) {
    plan.Feature(ColoursReport());
    plan.Write(BuildColourBlock(profile));
    plan.Pause(wire::kPauseAfterColourBlock);
}

void AddDpiLevels(UploadPlan& plan, const ProfileRecord& profile) {
    plan.Feature(DpiLevelsReport());
    plan.Pause(wire::kPauseAroundDpiBlock);
    plan.Write(BuildDpiLevelBlock(profile));
    plan.Pause(wire::kPauseAroundDpiBlock);
}

void AddMapPage(UploadPlan& plan, const ButtonMapImage& map, int page) {
    plan.Feature(MakeFeatureReport(wire::kCmdButtonMapPage,
                                   {static_cast<uint8_t>(page), wire::kButtonMapPageLengthParam}));
    plan.Pause(wire::kPauseAfterAnnouncement);
    std::span<const uint8_t> bytes(map.cells.data() + (page - 1) * wire::kMapPageSize,
                                   wire::kMapPageSize);
    for (size_t at = 0; at < bytes.size(); at += wire::kMapBlockSize) {
        plan.Write(bytes.subspan(at, wire::kMapBlockSize));
        plan.Pause(wire::kPauseAfterMapBlock);
    }
    plan.Pause(wire::kPauseAfterMapPage);
}

void AddBank(UploadPlan& plan, const SequenceBank& bank, int number) {
    plan.Feature(MakeFeatureReport(wire::kCmdSequenceBank,
                                   {static_cast<uint8_t>(number), wire::kSequenceBankLengthParam}));
    plan.Pause(wire::kPauseAfterAnnouncement);
    for (size_t at = 0; at < bank.size(); at += wire::kMapBlockSize) {
        plan.Write(std::span<const uint8_t>(bank).subspan(at, wire::kMapBlockSize));
        plan.Pause(wire::kPauseAfterBankBlock);
    }
    plan.Pause(wire::kPauseAfterBank);
}

void AddButtons(UploadPlan& plan, const ProfileRecord& profile) {
    ButtonMapImage map = BuildButtonMap(profile);
    for (int page = 1; page <= wire::kMapPageCount; ++page)
        AddMapPage(plan, map, page);
    for (size_t b = 0; b < map.banks.size(); ++b)
        AddBank(plan, map.banks[b], static_cast<int>(b + 1));
}

} // namespace

UploadPlan EncodeUpload(const ProfileRecord& profile) {
    UploadPlan plan;
    plan.Feature(ReportIntervalReport(profile));
    plan.Pause(wire::kPauseAfterStep);
    plan.Feature(FixedReport());
    plan.Pause(wire::kPauseAfterStep);
    plan.Feature(LightingReport(profile));
    plan.Pause(wire::kPauseAfterStep);
    AddColours(plan, profile);
    plan.Pause(wire::kPauseAfterStep);
    AddDpiLevels(plan, profile);
    plan.Pause(wire::kPauseAfterStep);
    plan.Feature(ActiveDpiLevelReport(profile));
    plan.Pause(wire::kPauseAfterStep);
    AddButtons(plan, profile);
    plan.Pause(wire::kPauseAfterStep);
    return plan;
}

} // namespace mervik
