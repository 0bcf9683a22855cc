#pragma once
// Where the display's notices come from: the texts of lan.dll, the text
// Monitor stored in config.ini, and the settings image in shared memory.
#include <memory>
#include <string>

#include "osd/core/NoticeContent.h"
#include "win32/LanguageLibrary.h"

namespace mervik::osd {

class NoticeSources {
public:
    explicit NoticeSources(std::string programFolder);

    const NoticeTexts& Texts() const { return texts_; }
    std::string StoredText() const;
    // A copy of the settings image; null when Monitor's block cannot be read.
    std::unique_ptr<SharedSettingsBlock> ReadImage() const;

private:
    std::string configPath_;
    win::LanguageLibrary language_;
    NoticeTexts texts_;
};

} // namespace mervik::osd
