#pragma once
// The lines the library writes to the debugger output, so that what a user
// sends us says what went wrong: which collection it chose for what and why
// it left the others, and every failed HID call with the collection's path
// and the system's error (its number and its text).
#include <span>
#include <string>
#include <vector>

#include "hiddriver/core/CollectionChoice.h"

namespace mervik::hid {

inline constexpr char kTracePrefix[] = "hiddriver: ";

std::vector<std::string> ChoiceTrace(std::span<const HidCollection> collections,
                                     const CollectionChoice& choice);

// "hiddriver: HidD_SetFeature on PATH failed: error 31 (TEXT)"
std::string FailureTrace(const std::string& call, const std::string& path, unsigned long error,
                         const std::string& errorText);

// The system's message for an error without its trailing line end.
std::string TrimmedMessage(std::string text);

} // namespace mervik::hid
