// The shortened folder label and the volume that holds a folder.
#include "pictures/folder_label.h"

#include <cstddef>

namespace quiltra {

namespace {

constexpr std::size_t kWholeLabel = 26;  // labels up to this many characters are shown whole
constexpr std::size_t kTailRoom = 20;    // the kept middle and the tail share this many
constexpr std::size_t kLongTailKeep = 17;
constexpr std::size_t kHeadKeep = 3;

// The text split into UTF-8 code points; a stray continuation byte counts as one of its own.
std::vector<std::string> codePoints(const std::string& text)
{
    std::vector<std::string> points;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t j = i + 1;
        while (j < text.size() && (static_cast<unsigned char>(text[j]) & 0xC0) == 0x80)
            ++j;
        points.push_back(text.substr(i, j - i));
        i = j;
    }
    return points;
}

std::string join(const std::vector<std::string>& points, std::size_t from, std::size_t count)
{
    std::string out;
    for (std::size_t i = from; i < points.size() && i < from + count; ++i)
        out += points[i];
    return out;
}

bool isSeparator(const std::string& point) { return point == "/" || point == "\\"; }

} // namespace

std::string folderLabel(const std::string& folder)
{
    const std::vector<std::string> points = codePoints(folder);
    if (points.size() <= kWholeLabel)
        return folder;

    // The tail starts at the last separator; a text without one is all tail.
    std::size_t tailStart = 0;
    for (std::size_t i = points.size(); i-- > 0;)
        if (isSeparator(points[i])) {
            tailStart = i;
            break;
        }
    std::size_t tailLength = points.size() - tailStart;
    std::string tail = join(points, tailStart, tailLength);
    if (tailLength > kTailRoom) {
        tail = join(points, tailStart, kLongTailKeep) + "...";
        tailLength = kLongTailKeep + 3;
    }
    const std::size_t keep = kTailRoom - tailLength;
    return join(points, 0, kHeadKeep) + join(points, kHeadKeep, keep) + "..." + tail;
}

std::string volumeHolding(const std::string& folder, const std::vector<std::string>& roots)
{
    std::string best;
    for (const std::string& root : roots) {
        if (root.empty() || root.size() > folder.size() ||
            folder.compare(0, root.size(), root) != 0)
            continue;
        // The root must end at a separator of the folder, or be the whole folder.
        const bool boundary = root.size() == folder.size() || root.back() == '/' ||
                              root.back() == '\\' || folder[root.size()] == '/' ||
                              folder[root.size()] == '\\';
        if (boundary && root.size() > best.size())
            best = root;
    }
    return best;
}

} // namespace quiltra
