#include "files/data_file_names.h"

namespace bravik {

std::string NameBeforeExtension(std::string_view fileName) {
    // Only the first point counts: when the name starts with it, nothing is cut.
    const auto point = fileName.find('.');
    if (point == 0) return std::string(fileName);
    return std::string(fileName.substr(0, point));
}

std::string DataFilePath(std::string_view path) {
    const auto slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    return std::string(path.substr(0, nameStart)) + NameBeforeExtension(path.substr(nameStart)) + ".D50";
}

}  // namespace bravik
