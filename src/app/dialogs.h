#pragma once
// Common dialogs: open and save-as file choices, message boxes and the
// printer set-up. Cancel is a distinct result (an empty optional) and ends a
// command silently.

#include <optional>
#include <string>

namespace bravik {

struct FileDialogRequest {
    std::string title;          // dialog caption
    std::string filter;         // "Description|*.ext|..." as the toolkit takes it
    std::string initialDir;     // folder the dialog opens in ("" for the current one)
    std::string fileName;       // proposed file name
};

struct FileChoice {
    std::string path;           // full path as chosen
    std::string fileTitle;      // the file name without its folder
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual std::optional<FileChoice> ShowOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<FileChoice> ShowSave(const FileDialogRequest& request) = 0;
    virtual void MessageBox(const std::string& text, const std::string& title) = 0;
    // Returns false when the user cancelled the printer set-up.
    virtual bool PrinterSetup() = 0;
};

}  // namespace bravik
