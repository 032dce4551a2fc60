// The one door through which the program shows messages, asks questions, offers
// file dialogs and runs modal dialogs, so that tests can stand in for the user.
#pragma once

// std
#include <string>

class QDialog;

enum class MessageIcon
{
    None,
    Information,
    Warning,
    Question,
    Error
};

struct FileDialogRequest
{
    std::string initialName; // offered in the name box; a pattern such as "*.dmp" only filters
    std::string filter;      // "Dump File(*.dmp)"
    std::string directory;   // folder the dialog starts in
};

class IUiServices
{
public:
    virtual ~IUiServices() = default;

    // A modal message with an OK button.
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // True for OK (Yes), false for Cancel (No) or a closed box.
    virtual bool AskOkCancel(const std::string& text, MessageIcon icon) = 0;
    virtual bool AskYesNo(const std::string& text, MessageIcon icon) = 0;
    // True with the full path chosen; false when the user cancelled. Neither
    // dialog requires the file to exist or asks before overwriting.
    [[nodiscard]] virtual bool ChooseOpenFile(const FileDialogRequest& request,
                                              std::string& pathOut) = 0;
    [[nodiscard]] virtual bool ChooseSaveFile(const FileDialogRequest& request,
                                              std::string& pathOut) = 0;
    // Runs a dialog modally; QDialog::Accepted or QDialog::Rejected.
    virtual int RunDialog(QDialog& dialog) = 0;
    // A line of text asked for with `prompt`, starting from textInOut; true
    // with the text typed for OK, false (textInOut as it was) for Cancel.
    virtual bool AskText(const std::string& prompt, std::string& textInOut) = 0;
};
