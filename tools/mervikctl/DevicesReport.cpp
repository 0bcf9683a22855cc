#include "tools/mervikctl/DevicesReport.h"

#include <cstdio>
#include <string>

#include "exchange/JsonText.h"

namespace mervik::tools {

namespace {

using hid::CollectionChoice;
using hid::CollectionUse;
using hid::HidCollection;

constexpr CollectionUse kUses[] = {CollectionUse::Features, CollectionUse::Output,
                                   CollectionUse::Events};
constexpr const char* kJsonKeys[] = {"Features", "Output", "Events"}; // by CollectionUse

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

std::string UsedFor(const CollectionChoice& choice, size_t index) {
    std::string uses;
    for (CollectionUse use : kUses) {
        if (choice.For(use) != index)
            continue;
        if (!uses.empty())
            uses.append(", ");
        uses.append(hid::UseName(use));
    }
    return uses.empty() ? "nothing" : uses;
}

} // namespace

void WriteDevicesText(std::ostream& out, std::span<const HidCollection> collections) {
    const CollectionChoice choice = hid::ChooseCollections(collections);
    if (collections.empty())
        out << "no HID collection of vendor 0x1017, product 0x8003\n";
    for (size_t i = 0; i < collections.size(); ++i) {
        const HidCollection& c = collections[i];
        out << c.path << "\n"
            << "  usage page " << Hex4(c.usagePage) << ", usage " << Hex4(c.usage) << "\n"
            << "  report lengths: input " << c.inputLength << ", output " << c.outputLength
            << ", feature " << c.featureLength << " (report ids " << int(c.inputReportId) << ", "
            << int(c.outputReportId) << ", " << int(c.featureReportId) << ")\n"
            << "  opens for reading and writing: " << (c.opensReadWrite ? "yes" : "no") << "\n"
            << "  used for: " << UsedFor(choice, i) << "\n";
        for (const hid::CollectionRefusal& r : choice.refusals)
            if (r.collection == i)
                out << "  not for " << hid::UseName(r.use) << ": " << r.reason << "\n";
    }
    for (CollectionUse use : kUses)
        if (!choice.For(use))
            out << "no collection for " << hid::UseName(use) << "\n";
}

void WriteDevicesJson(std::ostream& out, std::span<const HidCollection> collections) {
    const CollectionChoice choice = hid::ChooseCollections(collections);
    Json json = Json::object();
    json["Collections"] = Json::array();
    for (size_t i = 0; i < collections.size(); ++i) {
        const HidCollection& c = collections[i];
        Json entry = Json::object();
        entry["Path"] = JsonOfBytes(c.path);
        entry["UsagePage"] = c.usagePage;
        entry["Usage"] = c.usage;
        entry["InputLength"] = c.inputLength;
        entry["OutputLength"] = c.outputLength;
        entry["FeatureLength"] = c.featureLength;
        entry["InputReportId"] = c.inputReportId;
        entry["OutputReportId"] = c.outputReportId;
        entry["FeatureReportId"] = c.featureReportId;
        entry["OpensReadWrite"] = c.opensReadWrite;
        entry["NotUsedFor"] = Json::object();
        for (const hid::CollectionRefusal& r : choice.refusals)
            if (r.collection == i)
                entry["NotUsedFor"][std::string(hid::UseName(r.use))] = JsonOfBytes(r.reason);
        json["Collections"].push_back(std::move(entry));
    }
    for (CollectionUse use : kUses) {
        std::optional<size_t> chosen = choice.For(use);
        json[kJsonKeys[static_cast<int>(use)]] =
            JsonOfBytes(chosen ? collections[*chosen].path : std::string());
    }
    out << JsonDocument(json);
}

} // namespace mervik::tools
