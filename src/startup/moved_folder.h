// The picture list of a program folder that has been moved: entries that named the supplied
// pictures at the former place are taken from the current one.
#pragma once

#include <string>
#include <vector>

namespace quiltra {

// The entries whose files exist, in order, with the entries of a moved program folder followed
// to the current one. The former program folder F is worked out from the entries themselves: an
// entry "F/Graphics/<name>" whose file is missing while "<programFolder>/Graphics/<name>" exists
// points at it. Only when every such entry points at one and the same F, and F no longer has a
// Graphics folder (the folder was moved, not copied), are the missing entries directly under
// "F/Graphics/" that have a namesake in the current Graphics folder replaced by that namesake.
// Any other missing entry is dropped, as before.
std::vector<std::string> existingEntries(const std::vector<std::string>& entries,
                                         const std::string& programFolder);

} // namespace quiltra
