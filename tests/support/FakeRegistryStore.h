#pragma once
// An in-memory registry for tests: keys can be made unopenable, values missing.
#include <map>
#include <string>
#include <utility>

#include "settings/RegistryStore.h"

namespace mervik::testing {

class FakeRegistryStore : public RegistryStore {
public:
    std::map<std::pair<RegistryKey, std::string>, std::string> values;
    bool mouseOpens = true;
    bool desktopOpens = true;

    bool OpenKey(RegistryKey key) override {
        return key == RegistryKey::Mouse ? mouseOpens : desktopOpens;
    }
    std::optional<std::string> ReadText(RegistryKey key, const std::string& name) override {
        auto it = values.find({key, name});
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    bool WriteText(RegistryKey key, const std::string& name, const std::string& value) override {
        values[{key, name}] = value;
        return true;
    }
    // The system's acceleration values, as the mouse key holds them.
    void SetAccelerationValues(const char* speed, const char* threshold1, const char* threshold2) {
        values[{RegistryKey::Mouse, "MouseSpeed"}] = speed;
        values[{RegistryKey::Mouse, "MouseThreshold1"}] = threshold1;
        values[{RegistryKey::Mouse, "MouseThreshold2"}] = threshold2;
    }
    std::string Mouse(const std::string& name) const { return Get(RegistryKey::Mouse, name); }
    std::string Desktop(const std::string& name) const { return Get(RegistryKey::Desktop, name); }

private:
    std::string Get(RegistryKey key, const std::string& name) const {
        auto it = values.find({key, name});
        return it == values.end() ? "<missing>" : it->second;
    }
};

} // namespace mervik::testing
