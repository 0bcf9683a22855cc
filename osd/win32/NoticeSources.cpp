#include "osd/win32/NoticeSources.h"

#include "lang/TextIds.h"
#include "settings/FilePaths.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "win32/SharedBlockLinkWin32.h"

namespace mervik::osd {

NoticeSources::NoticeSources(std::string programFolder)
    : configPath_(ConfigFilePath(programFolder)) {
    language_.Load(programFolder);
    texts_ = {language_.Text(kTextOsdDpiLevel),   language_.Text(kTextOsdResolution),
              language_.Text(kTextOsdDpiValue),   language_.Text(kTextOsdReportRate),
              language_.Text(kTextOsdRateValue),  language_.Text(kTextOsdProfile),
              language_.Text(kTextUnnamedProfile)};
}

std::string NoticeSources::StoredText() const {
    return IniFile(configPath_).ReadText(keys::kOsdDataSection, keys::kOsdMessageKey, "");
}

// Opened for each notice: Monitor creates the block after starting, and may
// be started again while the display runs.
std::unique_ptr<SharedSettingsBlock> NoticeSources::ReadImage() const {
    win::SharedBlockLink link;
    if (link.Open() != win::SharedBlockLink::Attach::Attached)
        return nullptr;
    auto image = std::make_unique<SharedSettingsBlock>();
    if (!link.Read(*image))
        return nullptr;
    return image;
}

} // namespace mervik::osd
