// Where a game finds the files it reads: the folder of a path, and the
// station file a saved game names.
#pragma once

#include <string>
#include <vector>

// The folder part of a path with its last separator ('\' or '/'); "" for a
// bare file name, which is then opened in the current folder.
std::string FolderOf(const std::string& path);

// The names in a folder but "." and "..", sorted; none when it cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder);

// The station file stationName beside the file at besidePath; when there is
// none, the first (by folder name) station folder under "Stacje" of
// gameFolder that holds it. The path beside when neither has it, or when
// gameFolder is empty.
std::string FindStationFile(const std::string& besidePath, const std::string& stationName,
                            const std::string& gameFolder);
