#include "export/export_command.h"

#include <exception>

#include "files/data_file_names.h"

namespace bravik {

std::string HullNameFromFileTitle(const std::string& fileTitle) { return NameBeforeExtension(fileTitle); }

std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
    }
    return std::string(text.substr(0, pos));
}

std::string ExportFileBase(const std::string& hullName) { return FirstCharacters(hullName, 15); }

std::optional<FileChoice> AskExportFile(Ui& ui, Dialogs& dialogs, const FileDialogRequest& request) {
    BusyPointer busy(ui);
    return dialogs.ShowSave(request);
}

bool WriteExportFile(Ui& ui, Dialogs& dialogs, const std::string& path, std::string_view failureTitle,
                     const std::function<void(TextFileWriter&)>& write) {
    std::string failure;
    {
        BusyPointer busy(ui);
        try {
            TextFileWriter out;
            write(out);
            out.Commit(path);
            return true;
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }
    dialogs.MessageBox(failure, std::string(kProgramName) + std::string(failureTitle));
    return false;
}

bool SaveExportFile(Ui& ui, Dialogs& dialogs, const FileDialogRequest& request, std::string_view failureTitle,
                    const std::function<void(TextFileWriter&)>& write) {
    const auto choice = AskExportFile(ui, dialogs, request);
    return choice && WriteExportFile(ui, dialogs, choice->path, failureTitle, write);
}

}  // namespace bravik
