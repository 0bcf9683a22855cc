#include "exchange/ProfileImport.h"

#include <cstring>
#include <unordered_set>

#include "exchange/ProfileJson.h"
#include "exchange/ProfileSharingFile.h"
#include "macros/DuplicateMacroNames.h"
#include "macros/MacroName.h"
#include "macros/MacroRecordRepair.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileCheck.h"
#include "settings/ProfileIdentity.h"
#include "settings/SlotRepair.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

// A macro of the file, or of a button that plays one the file lacks, under
// the name the file gave it and the name it gets here.
struct Candidate {
    std::string given;
    MacroRecord record;
    std::string final;
};

bool SameSteps(const MacroRecord& a, const MacroRecord& b) {
    const int count = UsedEventCount(a);
    return a.RepeatCount == b.RepeatCount && count == UsedEventCount(b) &&
           std::memcmp(a.Events, b.Events, sizeof(MacroEvent) * static_cast<size_t>(count)) == 0;
}

// Repairs a macro as the macro file's loader does; false, with a note, for
// one whose name no macro may have.
bool AcceptMacro(MacroRecord& record, const std::string& given, LoadNotes& notes) {
    for (std::string& note : RepairLoadedMacro(record))
        notes.push_back("macro " + given + ": " + note);
    const std::string name = TrimmedMacroName(record);
    if (name.empty() || HoldsControlCharacter(name)) {
        notes.push_back("macro \"" + given + "\" refused: a macro name cannot be empty or hold a " +
                        "control character");
        return false;
    }
    return true;
}

MacroRecord MacroOfButton(const ButtonAssignment& button) {
    MacroRecord record{};
    SetTextField(record.Name, TextOfField(button.MacroName));
    record.RepeatCount = button.MacroRepeat;
    record.EventCount = button.EventCount;
    std::memcpy(record.Events, button.Events, sizeof record.Events);
    return record;
}

Candidate* FindGiven(std::vector<Candidate>& candidates, std::string_view name) {
    for (Candidate& c : candidates)
        if (SameMacroName(TrimmedMacroName(c.given), TrimmedMacroName(name)))
            return &c;
    return nullptr;
}

class MacroResolver {
public:
    MacroResolver(const MacroList& list, ImportPlan& plan) : list_(list), plan_(plan) {
        for (int i = 0; i < list.Count(); ++i)
            taken_.insert(MacroNameKey(TrimmedMacroName(*list.RecordAt(i))));
    }

    // Gives the candidate its name here: the list's own when it holds the
    // same macro, a new one when it holds another under that name.
    void Resolve(Candidate& c) {
        const std::string name = TrimmedMacroName(c.record);
        const std::string key = MacroNameKey(name);
        if (const MacroRecord* same = Holder(key)) {
            if (SameSteps(*same, c.record)) {
                c.final = TextOfField(same->Name);
                return;
            }
            c.final = UnusedMacroName(name, taken_);
            plan_.notes.push_back("macro " + name + " exists with other steps: imported as " +
                                  c.final);
        } else {
            c.final = name;
        }
        taken_.insert(MacroNameKey(c.final));
        SetTextField(c.record.Name, c.final);
        plan_.added.push_back(c.record);
    }

private:
    const MacroRecord* Holder(const std::string& key) const {
        for (int i = 0; i < list_.Count(); ++i)
            if (MacroNameKey(TrimmedMacroName(*list_.RecordAt(i))) == key)
                return list_.RecordAt(i);
        for (const MacroRecord& added : plan_.added)
            if (MacroNameKey(TrimmedMacroName(added)) == key)
                return &added;
        return nullptr;
    }

    const MacroList& list_;
    ImportPlan& plan_;
    std::unordered_set<std::string> taken_;
};

void ReadFileMacros(const Json& macros, std::vector<Candidate>& candidates, LoadNotes& notes) {
    if (!macros.is_array()) {
        notes.push_back("the file's macro list is damaged: left out");
        return;
    }
    for (size_t i = 0; i < macros.size(); ++i) {
        Candidate c;
        if (!MacroFromJson(macros[i], c.record)) {
            notes.push_back("macro " + std::to_string(i) + " of the file is damaged: left out");
            continue;
        }
        c.given = TextOfField(c.record.Name);
        if (AcceptMacro(c.record, c.given, notes) && !FindGiven(candidates, c.given))
            candidates.push_back(c);
    }
}

// Each macro button plays a macro of the list afterwards: the file's of its
// name, or one made from its own copy. A button whose macro was refused gets
// its default function.
void LinkButtons(ProfileRecord& profile, std::vector<Candidate>& candidates, LoadNotes& notes) {
    for (int n = 0; n < kSlotCount; ++n) {
        ButtonAssignment& button = profile.Buttons[n];
        if (button.Function != fn::Macro || TrimmedMacroName(TextOfField(button.MacroName)).empty())
            continue;
        const std::string given = TextOfField(button.MacroName);
        if (FindGiven(candidates, given))
            continue;
        Candidate c{given, MacroOfButton(button), {}};
        if (AcceptMacro(c.record, given, notes)) {
            candidates.push_back(c);
        } else {
            ResetSlot(button, n);
            notes.push_back("button slot " + std::to_string(n) +
                            ": its macro was refused, it has " + "its default function");
        }
    }
}

} // namespace

std::optional<ImportPlan> PlanProfileImport(std::string_view text, int index, const MacroList& list,
                                            std::string& error) {
    std::optional<SharedProfileContent> content = ReadProfileSharingFile(text, error);
    if (!content)
        return std::nullopt;
    ImportPlan plan;
    plan.profile = std::make_unique<ProfileRecord>();
    std::memset(plan.profile.get(), 0, sizeof(ProfileRecord));
    if (!ProfileFromJson(content->profile, *plan.profile, &plan.notes)) {
        error = "it holds no profile";
        return std::nullopt;
    }
    const size_t slotNotes = plan.notes.size();
    const ProfileCheck check = CheckProfile(*plan.profile, index);
    if (!check.Clean())
        plan.notes.push_back(DescribeProfileCheck(check, index));

    std::vector<Candidate> candidates;
    ReadFileMacros(content->macros, candidates, plan.notes);
    LinkButtons(*plan.profile, candidates, plan.notes);
    // Every finding so far mended or left out a value; the renames below do not.
    plan.mended = slotNotes + check.repaired.size() + check.refused.size() +
                  (plan.notes.size() - slotNotes - (check.Clean() ? 0 : 1));
    // Only the macros a button plays come along.
    MacroResolver resolver(list, plan);
    for (Candidate& c : candidates) {
        bool played = false;
        for (const ButtonAssignment& button : plan.profile->Buttons)
            played |= button.Function == fn::Macro &&
                      SameMacroName(TrimmedMacroName(TextOfField(button.MacroName)),
                                    TrimmedMacroName(c.given));
        if (played)
            resolver.Resolve(c);
    }
    for (ButtonAssignment& button : plan.profile->Buttons) {
        if (button.Function != fn::Macro)
            continue;
        const Candidate* c = FindGiven(candidates, TextOfField(button.MacroName));
        if (c && !c->final.empty())
            SetTextField(button.MacroName, c->final);
    }
    if (list.Count() + static_cast<int>(plan.added.size()) > kMaxMacroCount) {
        error =
            "the macro list has no room for its " + std::to_string(plan.added.size()) + " macros";
        return std::nullopt;
    }
    return plan;
}

void ApplyProfileImport(const ImportPlan& plan, SharedSettingsBlock& image, int index,
                        MacroList& list) {
    std::memcpy(&image.Profiles[index], plan.profile.get(), sizeof(ProfileRecord));
    for (const MacroRecord& macro : plan.added)
        list.Append(macro);
}

} // namespace mervik
