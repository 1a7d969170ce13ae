#include "cli/CommandLine.h"
#include "util/LocalText.h"

namespace qor {

const std::vector<std::string>& TParsedArgs::All(const std::string& option) const
{
    static const std::vector<std::string> none;
    auto it = Values.find(option);
    return it == Values.end() ? none : it->second;
}

std::string TParsedArgs::Last(const std::string& option, const std::string& fallback) const
{
    const std::vector<std::string>& values = All(option);
    return values.empty() ? fallback : values.back();
}

TParsedArgs ParseArgs(const std::vector<std::string>& args, const TOptionSpec& accepted)
{
    TParsedArgs parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            parsed.Positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        size_t eq = arg.find('=');
        std::string name = arg.substr(0, eq);
        if (accepted.ValueOptions.count(name)) {
            if (eq != std::string::npos) {
                parsed.Values[name].push_back(arg.substr(eq + 1));
            } else if (i + 1 < args.size()) {
                parsed.Values[name].push_back(args[++i]);
            } else {
                throw EUsageError(LocalFormat("%s needs a value", {name}));
            }
        } else if (accepted.FlagOptions.count(name) && eq == std::string::npos) {
            parsed.Flags.insert(name);
        } else {
            throw EUsageError(LocalFormat("unknown option %s", {arg}));
        }
    }
    return parsed;
}

} // namespace qor
