// A stand-in for the user-interface services in tests: it lists every message,
// question, file dialog and modal dialog in the order they came, and answers
// from scripts the test queued beforehand.
#pragma once

// own
#include "ui/UiServices.h"

// std
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CFakeUiServices : public IUiServices
{
public:
    enum class Kind
    {
        Message,
        OkCancel,
        YesNo,
        OpenFile,
        SaveFile,
        Dialog,
        Text,
        SaveChanges,
        Restore
    };

    struct Record
    {
        Kind kind;
        std::string text; // message or question text, the file dialog's initial
                          // name, or the dialog's window title
        MessageIcon icon;
    };

    // Everything shown, in order.
    std::vector<Record> m_records;
    // Answers to AskOkCancel / AskYesNo, first in first out; when none is
    // queued the user cancels (No).
    std::deque<bool> m_answers;
    // Answers to AskSaveChanges (none queued: Cancel) and AskRestore (none
    // queued: the box is closed, Later).
    std::deque<SaveAnswer> m_saveAnswers;
    std::deque<RestoreAnswer> m_restoreAnswers;
    // Paths chosen in file dialogs; std::nullopt (or nothing queued) cancels.
    std::deque<std::optional<std::string>> m_files;
    // What the user does in the next modal dialog: the script gets the dialog
    // (with its controls set up) and returns QDialog::Accepted or Rejected.
    // With nothing queued the dialog is closed with Rejected.
    std::deque<std::function<int(QDialog&)>> m_dialogScripts;
    // Texts typed into AskText; std::nullopt (or nothing queued) cancels.
    std::deque<std::optional<std::string>> m_texts;
    // Requests the file dialogs were opened with.
    std::vector<FileDialogRequest> m_fileRequests;

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool AskOkCancel(const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, MessageIcon icon) override;
    SaveAnswer AskSaveChanges(const std::string& text) override;
    RestoreAnswer AskRestore(const std::string& text) override;
    [[nodiscard]] bool ChooseOpenFile(const FileDialogRequest& request,
                                      std::string& pathOut) override;
    [[nodiscard]] bool ChooseSaveFile(const FileDialogRequest& request,
                                      std::string& pathOut) override;
    int RunDialog(QDialog& dialog) override;
    bool AskText(const std::string& prompt, std::string& textInOut) override;

    // How many messages or questions had exactly this text.
    int CountOf(const std::string& text) const;
    // The texts of all messages and questions, in order.
    std::vector<std::string> Texts() const;
    void Clear();

private:
    bool NextAnswer();
    bool NextFile(Kind kind, const FileDialogRequest& request, std::string& pathOut);
};
