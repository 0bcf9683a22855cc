#pragma once
// The language library's texts by number, as the portable rules ask for them;
// Option hands in its lan.dll, the tests a table.
#include <functional>
#include <string>

namespace mervik::ui {

using TextLookup = std::function<std::string(unsigned id)>;

} // namespace mervik::ui
