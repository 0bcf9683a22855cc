#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

void PrintLoadNotes(const LoadNotes& notes, std::ostream& err) {
    for (const std::string& note : notes)
        err << "mervikctl: " << note << "\n";
}

int ReportLoad(bool loaded, const std::string& folderArg, std::ostream& err) {
    if (loaded)
        return kExitOk;
    err << "mervikctl: some files of " << folderArg << " could not be read\n";
    return kExitFailed;
}

} // namespace mervik::tools
