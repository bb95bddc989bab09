#pragma once
// The project data file (.D50): the design parameters, one value per line,
// from which Open recomputes every line of the hull.

#include <string>

#include "app/hull_design.h"
#include "files/atomic_file.h"
#include "files/project_file_layout.h"

namespace bravik {

// The second line of the file: "&", then for every upper line k = 2..lastLine
// its bow-turn and transom-turn letters ("N" for +1, "R" otherwise), then "C"
// and lastLine as two digits ("&NNNNNRRRC05" for the default design).
std::string LineEndCode(const HullDesign& d);

// Every line of the file, in order, ready to be committed.
TextFileWriter ProjectFileText(const HullDesign& d);

// Writes the file atomically; throws BravikError and leaves an earlier file
// of that name untouched when the write fails.
void WriteProjectFile(const std::string& path, const HullDesign& d);

}  // namespace bravik
