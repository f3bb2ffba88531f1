#include "platform/translation.h"

#include <atomic>

namespace quiltra {

namespace {
std::atomic<Translator> installed{nullptr};
} // namespace

void installTranslator(Translator translator) { installed.store(translator); }

std::string translate(const char* context, const char* source)
{
    const Translator t = installed.load();
    return t ? t(context, source) : std::string(source);
}

std::string translateStored(const char* context, const std::string& source)
{
    const Translator t = installed.load();
    return t ? t(context, source.c_str()) : source;
}

std::vector<std::string> preferredLanguages(const char* language, const char* lcAll,
                                            const char* lcMessages, const char* lang)
{
    const auto set = [](const char* v) { return v != nullptr && *v != '\0'; };
    const char* locale = set(lcAll) ? lcAll : set(lcMessages) ? lcMessages : set(lang) ? lang : "";
    const std::string name = locale;
    if (name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0)
        return {};
    std::vector<std::string> out;
    if (set(language)) {
        std::string rest = language;
        std::size_t from = 0;
        while (from <= rest.size()) {
            const std::size_t colon = rest.find(':', from);
            const std::string item =
                rest.substr(from, colon == std::string::npos ? std::string::npos : colon - from);
            if (!item.empty())
                out.push_back(item);
            if (colon == std::string::npos)
                break;
            from = colon + 1;
        }
    }
    out.push_back(name);
    return out;
}

} // namespace quiltra
