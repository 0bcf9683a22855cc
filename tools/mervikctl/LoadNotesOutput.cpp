#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

void PrintLoadNotes(const LoadNotes& notes, std::ostream& err) {
    for (const std::string& note : notes)
        err << "mervikctl: " << note << "\n";
}

} // namespace mervik::tools
