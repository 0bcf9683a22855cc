// libFuzzer target for the profile import: the input is a whole profile file
// as a user might be sent one. Whatever it holds, the planned profile keeps
// every field within its range and every macro within the bounds the editor,
// the sync and the device encoding rely on, and each macro button plays a
// macro of the list afterwards.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "exchange/ProfileImport.h"
#include "macros/MacroName.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileCheck.h"
#include "settings/TextField.h"
#include "tests/macros/MacroBounds.h"

namespace {

void Fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

// A list with a macro the imported ones may clash with.
const mervik::MacroList& Existing() {
    static mervik::MacroList list = [] {
        mervik::MacroList made;
        mervik::MacroRecord fire{};
        mervik::SetTextField(fire.Name, "Fire");
        fire.RepeatCount = 1;
        made.Append(fire);
        return made;
    }();
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    std::optional<mervik::ImportPlan> plan = mervik::PlanProfileImport(text, 2, Existing(), error);
    if (!plan) {
        if (error.empty())
            Fail("refused without a reason");
        return 0;
    }
    mervik::ProfileRecord checked = *plan->profile;
    if (!mervik::CheckProfile(checked, 2).Clean())
        Fail("the planned profile does not pass the profile check");
    for (const mervik::MacroRecord& macro : plan->added) {
        const std::string bounds = mervik::test::MacroBoundsError(macro);
        if (!bounds.empty())
            Fail("added macro: " + bounds);
    }
    mervik::MacroList after;
    for (int i = 0; i < Existing().Count(); ++i)
        after.Append(*Existing().RecordAt(i));
    for (const mervik::MacroRecord& macro : plan->added)
        after.Append(macro);
    for (const mervik::ButtonAssignment& button : plan->profile->Buttons) {
        if (button.EventCount > mervik::kMaxMacroEvents)
            Fail("a slot counts more steps than it holds");
        if (button.Function != mervik::fn::Macro)
            continue;
        const std::string name = mervik::TextOfField(button.MacroName);
        if (mervik::TrimmedMacroName(name).empty())
            continue;
        bool found = false;
        for (int i = 0; i < after.Count(); ++i)
            found |= mervik::SameMacroName(mervik::TrimmedMacroName(*after.RecordAt(i)),
                                           mervik::TrimmedMacroName(name));
        if (!found)
            Fail("a macro button plays no macro of the list: " + name);
    }
    return 0;
}
