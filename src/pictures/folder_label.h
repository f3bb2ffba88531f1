// What the picture windows show of a folder: its label shortened around "...", and the volume
// of the drive list that holds it.
#pragma once

#include <string>
#include <vector>

namespace quiltra {

// The folder label of the Open Picture window and the Picture List Editor. A folder of at most
// 26 characters is shown whole. A longer one keeps its first 3 characters, then as many of the
// following characters as leave room for the tail within 20, "...", and the tail: the last
// folder name with its leading separator, itself cut to 17 characters and "..." when it is
// longer than 20. Characters are counted as UTF-8 code points, so a name is never cut inside one.
std::string folderLabel(const std::string& folder);

// The root of `roots` that holds `folder`: the longest one that is the folder itself or one of
// its ancestors ("/media/ann/USB" holds "/media/ann/USB/Trips", not "/media/ann/USB2").
// Empty when none does.
std::string volumeHolding(const std::string& folder, const std::vector<std::string>& roots);

} // namespace quiltra
