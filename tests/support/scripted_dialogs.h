#pragma once
// Dialogs answered from a script: each file dialog takes the next answer
// (a path, or cancel), and every request and message box is remembered.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"

namespace bravik::testing {

class ScriptedDialogs : public Dialogs {
public:
    // Queues the answer of the next file dialog; std::nullopt means cancel.
    void Answer(std::optional<std::string> path) { answers.push_back(std::move(path)); }

    std::optional<FileChoice> ShowOpen(const FileDialogRequest& request) override { return Next(request); }
    std::optional<FileChoice> ShowSave(const FileDialogRequest& request) override { return Next(request); }
    void MessageBox(const std::string& text, const std::string& title) override {
        messages.push_back({text, title});
    }
    bool PrinterSetup() override { return printerSetupAnswer; }

    struct Message {
        std::string text, title;
    };
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> requests;
    std::vector<Message> messages;
    bool printerSetupAnswer = true;

private:
    std::optional<FileChoice> Next(const FileDialogRequest& request) {
        requests.push_back(request);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        if (!answer) return std::nullopt;
        const auto slash = answer->find_last_of('/');
        return FileChoice{*answer, slash == std::string::npos ? *answer : answer->substr(slash + 1)};
    }
};

}  // namespace bravik::testing
