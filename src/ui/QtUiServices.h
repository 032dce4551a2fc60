// The user-interface services of the running program: Qt message boxes and file
// dialogs.
#pragma once

// own
#include "ui/UiServices.h"

// Qt
#include <QPointer>
#include <QWidget>

class CQtUiServices : public IUiServices
{
public:
    // The window the boxes are centred on and modal to.
    void SetParentWindow(QWidget* parent) { m_pParent = parent; }

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

private:
    QPointer<QWidget> m_pParent;

    int Ask(const std::string& text, MessageIcon icon, int buttons);
    bool ChooseFile(const FileDialogRequest& request, bool save, std::string& pathOut);
};
