#include "hiddriver/core/TraceText.h"

namespace mervik::hid {

namespace {

std::string Describe(const HidCollection& c) {
    return c.path + " (usage page " + std::to_string(c.usagePage) + ", usage " +
           std::to_string(c.usage) + ", lengths input " + std::to_string(c.inputLength) +
           " output " + std::to_string(c.outputLength) + " feature " +
           std::to_string(c.featureLength) + ")";
}

} // namespace

std::vector<std::string> ChoiceTrace(std::span<const HidCollection> collections,
                                     const CollectionChoice& choice) {
    std::vector<std::string> lines;
    for (CollectionUse use :
         {CollectionUse::Features, CollectionUse::Output, CollectionUse::Events}) {
        std::optional<size_t> chosen = choice.For(use);
        if (chosen)
            lines.push_back(kTracePrefix + std::string(UseName(use)) + " on " +
                            Describe(collections[*chosen]));
        else
            lines.push_back(kTracePrefix + std::string("no collection for ") + UseName(use));
    }
    for (const CollectionRefusal& r : choice.refusals)
        lines.push_back(kTracePrefix + collections[r.collection].path + " not used for " +
                        UseName(r.use) + ": " + r.reason);
    return lines;
}

std::string FailureTrace(const std::string& call, const std::string& path, unsigned long error,
                         const std::string& errorText) {
    return kTracePrefix + call + " on " + path + " failed: error " + std::to_string(error) + " (" +
           TrimmedMessage(errorText) + ")";
}

std::string TrimmedMessage(std::string text) {
    while (!text.empty() &&
           (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

} // namespace mervik::hid
