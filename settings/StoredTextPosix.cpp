#include "settings/StoredText.h"

namespace mervik {

// The native tools print names as the files hold them.
std::string ShownFromStored(std::string_view stored) {
    return std::string(stored);
}

} // namespace mervik
