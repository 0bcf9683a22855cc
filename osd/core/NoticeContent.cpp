#include "osd/core/NoticeContent.h"

#include "service/core/DeviceNotices.h"
#include "service/core/ProfileLabels.h"

namespace mervik::osd {

namespace {

const ProfileRecord* CurrentProfileOf(const SharedSettingsBlock* image) {
    return image ? image->ActiveProfile() : nullptr;
}

// The level in use, counted from 1, when the image's current profile says
// the mouse stands at a level of this resolution; none when the image is
// missing, or already tells of a later press than the text does.
std::optional<int> LevelOf(int dpi, const SharedSettingsBlock* image) {
    const ProfileRecord* profile = CurrentProfileOf(image);
    if (!profile || DpiOfLevel(ActiveCpiLevel(*profile)) != dpi)
        return std::nullopt;
    return profile->Cpi_X + 1;
}

} // namespace

std::optional<Notice> ProfileNotice(int index, const SharedSettingsBlock* image,
                                    const NoticeTexts& texts) {
    if (index < 0 || index >= kProfileCount)
        return std::nullopt;
    const std::string name =
        image ? ProfileDisplayName(image->Profiles[index], index, texts.unnamedProfile)
              : FillText(texts.unnamedProfile, std::to_string(index + 1));
    return Notice{texts.profile, name};
}

std::optional<Notice> StoredTextNotice(std::string_view stored, const SharedSettingsBlock* image,
                                       const NoticeTexts& texts) {
    const auto announcement = ReadOsdAnnouncement(stored);
    if (!announcement)
        return stored.empty() ? std::nullopt
                              : std::optional<Notice>(Notice{{}, std::string(stored)});
    const std::string number = std::to_string(announcement->value);
    if (announcement->kind == OsdAnnouncement::Kind::Rate)
        return Notice{texts.reportRate, FillText(texts.rateValue, number)};
    const auto level = LevelOf(announcement->value, image);
    return Notice{level ? FillText(texts.dpiLevel, std::to_string(*level)) : texts.resolution,
                  FillText(texts.dpiValue, number)};
}

std::string NoticeLine(const Notice& notice) {
    return notice.title.empty() ? notice.value : notice.title + ": " + notice.value;
}

} // namespace mervik::osd
