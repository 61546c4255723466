#include "platform/MenuShortcut.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace platform {

namespace {

String lowered(String text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

String trimmed(const String& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == String::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The toolkit's name of a modifier, or "" when it is none.
String modifierName(const String& token)
{
    const String name = lowered(trimmed(token));
    if (name == "cmd" || name == "command" || name == "ctrl" || name == "control")
        return "Ctrl";
    if (name == "shift")
        return "Shift";
    if (name == "option" || name == "opt" || name == "alt")
        return "Alt";
    return {};
}

} // namespace

String toolkitShortcut(const String& shortcut)
{
    const String text = trimmed(shortcut);
    if (text.empty())
        return {};
    // The key is what follows the last "+"; a trailing "++" means the key "+" itself.
    const bool plusKey = text.size() >= 2 && text.compare(text.size() - 2, 2, "++") == 0;
    const auto split = plusKey ? text.size() - 2 : text.rfind('+');
    const String modifiers = split == String::npos ? String() : text.substr(0, split);
    String key = plusKey ? text.substr(text.size() - 1) : trimmed(split == String::npos ? text : text.substr(split + 1));
    if (key.empty())
        return {};
    if (key.size() == 1)
        key[0] = char(std::toupper(static_cast<unsigned char>(key[0])));

    std::vector<String> names;
    std::size_t start = 0;
    while (!modifiers.empty() && start <= modifiers.size()) {
        const auto plus = modifiers.find('+', start);
        const String token = modifiers.substr(start, plus == String::npos ? String::npos : plus - start);
        const String name = modifierName(token);
        if (name.empty())
            return {};
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
        if (plus == String::npos)
            break;
        start = plus + 1;
    }
    String result;
    for (const String& name : names) {
        result.append(name);
        result.push_back('+');
    }
    result.append(key);
    return result;
}

} // namespace platform
