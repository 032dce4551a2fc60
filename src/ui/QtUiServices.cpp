// Qt message boxes and file dialogs behind the user-interface services.

// own
#include "ui/QtUiServices.h"
#include "ui/UiTexts.h"

// Qt
#include <QDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace
{
QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon)
    {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

int CQtUiServices::Ask(const std::string& text, MessageIcon icon, int buttons)
{
    QMessageBox box(ToQtIcon(icon), QString::fromLatin1(UiText::kMessageCaption),
                    QString::fromStdString(text), QMessageBox::StandardButtons(buttons), m_pParent);
    // The texts carry meaningful blanks and line breaks, never markup.
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

void CQtUiServices::ShowMessage(const std::string& text, MessageIcon icon)
{
    Ask(text, icon, QMessageBox::Ok);
}

bool CQtUiServices::AskOkCancel(const std::string& text, MessageIcon icon)
{
    return Ask(text, icon, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool CQtUiServices::AskYesNo(const std::string& text, MessageIcon icon)
{
    return Ask(text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

SaveAnswer CQtUiServices::AskSaveChanges(const std::string& text)
{
    switch (Ask(text, MessageIcon::Warning,
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel))
    {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

RestoreAnswer CQtUiServices::AskRestore(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(UiText::kMessageCaption),
                    QString::fromStdString(text), QMessageBox::NoButton, m_pParent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* restore =
        box.addButton(QString::fromLatin1(UiText::kRestore), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QMessageBox::Discard);
    // Escape and the title bar's close answer Later too: the copy stays.
    QPushButton* later =
        box.addButton(QString::fromLatin1(UiText::kLater), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore)
    {
        return RestoreAnswer::Restore;
    }
    return box.clickedButton() == discard ? RestoreAnswer::Discard : RestoreAnswer::Later;
}

bool CQtUiServices::AskText(const std::string& prompt, std::string& textInOut)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_pParent, QCoreApplication::applicationName(),
                                               QString::fromStdString(prompt), QLineEdit::Normal,
                                               QString::fromStdString(textInOut), &ok);
    if (ok)
    {
        textInOut = text.toStdString();
    }
    return ok;
}

bool CQtUiServices::ChooseFile(const FileDialogRequest& request, bool save, std::string& pathOut)
{
    QFileDialog dialog(m_pParent, QString(), QString::fromStdString(request.directory),
                       QString::fromStdString(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open accepts a name that does not exist (the load then does nothing), and
    // Save never asks before replacing: the dump commands decide, not the dialog.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QString initial = QString::fromStdString(request.initialName);
    if (!initial.isEmpty() && !initial.contains(QLatin1Char('*')))
    {
        dialog.selectFile(initial);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    {
        return false;
    }
    pathOut = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

bool CQtUiServices::ChooseOpenFile(const FileDialogRequest& request, std::string& pathOut)
{
    return ChooseFile(request, false, pathOut);
}

bool CQtUiServices::ChooseSaveFile(const FileDialogRequest& request, std::string& pathOut)
{
    return ChooseFile(request, true, pathOut);
}

int CQtUiServices::RunDialog(QDialog& dialog)
{
    return dialog.exec();
}
