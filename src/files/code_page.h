#pragma once
// Text files on disk use the Windows-1252 code page; the program's strings
// are UTF-8. These convert at the file boundary.

#include <string>
#include <string_view>

namespace bravik {

// Characters that Windows-1252 cannot hold become '?'.
std::string ToWindows1252(std::string_view utf8);
std::string FromWindows1252(std::string_view bytes);

}  // namespace bravik
