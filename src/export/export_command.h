#pragma once
// What every export command shares: the save dialog, the hull name taken from
// the chosen file, the busy pointer and the one message box that ends a
// failed write.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/dialogs.h"
#include "app/ui.h"
#include "files/atomic_file.h"

namespace bravik {

inline constexpr const char* kProgramName = "Bravik2005";

// The hull name a chosen file title gives: the text before its first point
// when that point is not the first character, otherwise the whole title.
std::string HullNameFromFileTitle(const std::string& fileTitle);

// The first `count` characters of a UTF-8 text (never a cut character).
std::string FirstCharacters(std::string_view text, std::size_t count);

// The base of the development and station files' default names: the first
// 15 characters of the hull name.
std::string ExportFileBase(const std::string& hullName);

// Shows the save dialog under the hourglass; std::nullopt when the user
// cancelled.
std::optional<FileChoice> AskExportFile(Ui& ui, Dialogs& dialogs, const FileDialogRequest& request);

// Builds the file content with `write` and commits it atomically to `path`,
// under the hourglass. Any failure, while building or writing, leaves an
// earlier file of that name untouched and ends in one message box with the
// error's text, titled "Bravik2005" followed by `failureTitle`, shown after
// the pointer is restored. Returns true when the file was written.
bool WriteExportFile(Ui& ui, Dialogs& dialogs, const std::string& path, std::string_view failureTitle,
                     const std::function<void(TextFileWriter&)>& write);

// AskExportFile then WriteExportFile, for the exports whose content does not
// depend on the file chosen. Returns true when the file was written.
bool SaveExportFile(Ui& ui, Dialogs& dialogs, const FileDialogRequest& request, std::string_view failureTitle,
                    const std::function<void(TextFileWriter&)>& write);

}  // namespace bravik
