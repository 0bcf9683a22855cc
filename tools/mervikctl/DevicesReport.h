#pragma once
// What mervikctl devices prints: every HID collection of the mouse with what
// the library would do with it, as text or JSON. A user whose mouse does not
// answer sends us this.
#include <ostream>
#include <span>

#include "hiddriver/core/CollectionChoice.h"

namespace mervik::tools {

void WriteDevicesText(std::ostream& out, std::span<const hid::HidCollection> collections);
void WriteDevicesJson(std::ostream& out, std::span<const hid::HidCollection> collections);

} // namespace mervik::tools
