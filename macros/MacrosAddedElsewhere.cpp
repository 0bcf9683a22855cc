#include "macros/MacrosAddedElsewhere.h"

#include "macros/MacroFile.h"

namespace mervik {

int AdoptMacrosAddedElsewhere(const std::string& path, MacroList& list) {
    list.RememberNames();
    MacroList file;
    if (LoadMacroFile(path, file) != MacroFileRead::Read)
        return 0;
    int adopted = 0;
    for (int i = 0; i < file.Count() && !list.Full(); ++i) {
        const MacroRecord& record = *file.RecordAt(i);
        if (list.HasHeld(record.Name))
            continue;
        list.Append(record);
        ++adopted;
    }
    return adopted;
}

} // namespace mervik
