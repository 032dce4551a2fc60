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

// The answer to "Save the changes to FILE?"; a closed box is Cancel.
enum class SaveAnswer
{
    Save,
    Discard,
    Cancel
};

// The answer to the offer of a recovery copy. Later (also a closed box): the
// copy is neither restored nor removed, and offered again at the next start.
enum class RestoreAnswer
{
    Restore,
    Discard,
    Later
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
    // Save, Discard and Cancel, before something would drop unsaved edits.
    virtual SaveAnswer AskSaveChanges(const std::string& text) = 0;
    // Restore, Discard and Later, for what a program that ended unexpectedly
    // left.
    virtual RestoreAnswer AskRestore(const std::string& text) = 0;
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
