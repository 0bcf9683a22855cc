#include "tools/mervikctl/CommandArguments.h"

#include <algorithm>

#include "settings/ProfileRecord.h"
#include "tools/mervikctl/CommandHelp.h"

namespace mervik::tools {

namespace {

struct Option {
    std::string name;  // "--json"
    std::string value; // "N" for "[--profile N]"; empty for a flag
};

struct Shape {
    std::vector<std::string> required; // "FOLDER", "N"
    std::vector<std::string> optional; // "[COMMAND]", without its brackets
    std::vector<Option> options;
};

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find(' ', at), text.size());
        if (end > at)
            words.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

std::string Unbracketed(std::string word) {
    word.erase(std::remove(word.begin(), word.end(), '['), word.end());
    word.erase(std::remove(word.begin(), word.end(), ']'), word.end());
    return word;
}

Shape ShapeOf(std::string_view usage) {
    Shape shape;
    const std::vector<std::string> words = Words(usage);
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("[--", 0) == 0) {
            Option option{Unbracketed(word), {}};
            if (word.back() != ']' && i + 1 < words.size())
                option.value = Unbracketed(words[++i]);
            shape.options.push_back(option);
        } else if (word.front() == '[') {
            shape.optional.push_back(Unbracketed(word));
        } else {
            shape.required.push_back(word);
        }
    }
    return shape;
}

const Option* FindOption(const Shape& shape, const std::string& name) {
    for (const Option& option : shape.options)
        if (option.name == name)
            return &option;
    return nullptr;
}

bool LooksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

} // namespace

std::optional<CommandArguments> CommandArguments::Read(std::string_view name, const Arguments& args,
                                                       std::ostream& err) {
    const Shape shape = ShapeOf(FindCommandHelp(name)->arguments);
    CommandArguments read;
    // Without options of its own a command takes every argument as it is.
    bool optionsEnded = shape.options.empty();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && LooksLikeOption(arg)) {
            const Option* option = FindOption(shape, arg);
            if (!option) {
                UsageError(name, "unknown option " + arg, err);
                return std::nullopt;
            }
            if (!option->value.empty() && i + 1 == args.size()) {
                UsageError(name, arg + " needs " + option->value, err);
                return std::nullopt;
            }
            read.options_.emplace_back(arg, option->value.empty() ? std::string() : args[++i]);
        } else {
            read.positionals_.push_back(arg);
        }
    }
    const size_t given = read.positionals_.size();
    if (given < shape.required.size()) {
        UsageError(name, shape.required[given] + " is missing", err);
        return std::nullopt;
    }
    if (given > shape.required.size() + shape.optional.size()) {
        const size_t extra = shape.required.size() + shape.optional.size();
        UsageError(name, "unexpected argument " + read.positionals_[extra], err);
        return std::nullopt;
    }
    read.positionals_.resize(shape.required.size() + shape.optional.size());
    return read;
}

const std::string& CommandArguments::At(size_t n) const {
    return positionals_.at(n);
}

bool CommandArguments::Has(std::string_view option) const {
    return Value(option) != nullptr;
}

const std::string* CommandArguments::Value(std::string_view option) const {
    // The last one counts when an option is given twice.
    for (auto it = options_.rbegin(); it != options_.rend(); ++it)
        if (it->first == option)
            return &it->second;
    return nullptr;
}

int UsageError(std::string_view name, std::string_view problem, std::ostream& err) {
    const CommandHelp* command = FindCommandHelp(name);
    err << "mervikctl " << name << ": " << problem << "\n";
    err << "usage: " << UsageLine(*command) << "  (see \"mervikctl help " << name << "\")\n";
    return kExitUsage;
}

std::optional<int> ReadProfileIndex(const std::string& text) {
    if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + kProfileCount)
        return std::nullopt;
    return text[0] - '0';
}

std::string ProfileIndexProblem(std::string_view what, const std::string& text) {
    return std::string(what) + " is a profile, 0 to " + std::to_string(kProfileCount - 1) +
           ", not " + text;
}

} // namespace mervik::tools
