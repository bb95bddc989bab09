#pragma once
// Names around the project data file: the hull name a chosen file gives and
// the path Save Data writes to.

#include <string>
#include <string_view>

namespace bravik {

// The part of a file name before its first point; the whole name when it has
// no point or starts with one ("boat.txt" -> "boat", ".hidden.txt" ->
// ".hidden.txt").
std::string NameBeforeExtension(std::string_view fileName);

// The chosen path with its file name cut as NameBeforeExtension cuts it and
// ".D50" appended: whatever extension was typed, data is written as .D50.
std::string DataFilePath(std::string_view path);

}  // namespace bravik
