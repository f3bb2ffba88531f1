// Wildcard matching of file names against the file lists' patterns.
#include "pictures/file_patterns.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

namespace quiltra {

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Iterative wildcard match with one back-tracking point: linear in practice, never recursive,
// so a hostile pattern typed into the box cannot exhaust the stack.
bool wildcardMatch(std::string_view name, std::string_view wild)
{
    std::size_t n = 0, w = 0;
    std::size_t starW = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (w < wild.size() && wild[w] == '*') {
            starW = w++;
            starN = n;
        } else if (w < wild.size() && (wild[w] == '?' || lower(wild[w]) == lower(name[n]))) {
            ++n;
            ++w;
        } else if (starW != std::string_view::npos) {
            w = starW + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (w < wild.size() && wild[w] == '*')
        ++w;
    return w == wild.size();
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Whether a wildcard ends in `ending` (".jpg"), without regard to letter case.
bool endsWith(std::string_view wild, std::string_view ending)
{
    if (wild.size() < ending.size())
        return false;
    const std::string_view end = wild.substr(wild.size() - ending.size());
    return std::equal(end.begin(), end.end(), ending.begin(),
                      [](char a, char b) { return lower(a) == b; });
}

bool matchesOne(std::string_view name, std::string_view wild)
{
    if (wildcardMatch(name, wild))
        return true;
    // The four-letter spellings of the same types.
    for (const auto& [shorter, longer] : {std::pair{".jpg", ".jpeg"}, std::pair{".tif", ".tiff"}}) {
        if (!endsWith(wild, shorter))
            continue;
        std::string other(wild.substr(0, wild.size() - 4));
        other += longer;
        return wildcardMatch(name, other);
    }
    return false;
}

} // namespace

bool matchesPattern(std::string_view name, std::string_view pattern)
{
    if (trimmed(pattern).empty())
        return true;
    while (true) {
        const std::size_t semi = pattern.find(';');
        const std::string_view wild = trimmed(pattern.substr(0, semi));
        if (!wild.empty() && matchesOne(name, wild))
            return true;
        if (semi == std::string_view::npos)
            return false;
        pattern.remove_prefix(semi + 1);
    }
}

std::vector<std::string> filesMatching(std::vector<std::string> names, std::string_view pattern)
{
    std::erase_if(names, [pattern](const std::string& n) { return !matchesPattern(n, pattern); });
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto less = [](char x, char y) { return lower(x) < lower(y); };
        if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less))
            return true;
        if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less))
            return false;
        return a < b;
    });
    return names;
}

} // namespace quiltra
