// The recording, scripted stand-in for the user-interface services.

// own
#include "ui/FakeUiServices.h"

// Qt
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>

namespace
{
// What a real modal box does to the windows under it while it is open: they
// are blocked, and get their input back when it closes.
class CModalStandIn
{
public:
    // `modal` is the dialog itself, which stays usable.
    explicit CModalStandIn(const QWidget* modal = nullptr) : m_pModal(modal)
    {
        Tell(QEvent::WindowBlocked);
    }
    ~CModalStandIn() { Tell(QEvent::WindowUnblocked); }
    CModalStandIn(const CModalStandIn&) = delete;
    CModalStandIn& operator=(const CModalStandIn&) = delete;

private:
    const QWidget* m_pModal;

    void Tell(QEvent::Type type) const
    {
        for (QWidget* window : QApplication::topLevelWidgets())
        {
            if (window == m_pModal)
            {
                continue;
            }
            QEvent event(type);
            QCoreApplication::sendEvent(window, &event);
        }
    }
};
} // namespace

void CFakeUiServices::ShowMessage(const std::string& text, MessageIcon icon)
{
    const CModalStandIn modal;
    m_records.push_back({Kind::Message, text, icon});
}

bool CFakeUiServices::NextAnswer()
{
    if (m_answers.empty())
    {
        return false;
    }
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool CFakeUiServices::AskOkCancel(const std::string& text, MessageIcon icon)
{
    const CModalStandIn modal;
    m_records.push_back({Kind::OkCancel, text, icon});
    return NextAnswer();
}

bool CFakeUiServices::AskYesNo(const std::string& text, MessageIcon icon)
{
    const CModalStandIn modal;
    m_records.push_back({Kind::YesNo, text, icon});
    return NextAnswer();
}

SaveAnswer CFakeUiServices::AskSaveChanges(const std::string& text)
{
    const CModalStandIn modal;
    m_records.push_back({Kind::SaveChanges, text, MessageIcon::Warning});
    if (m_saveAnswers.empty())
    {
        return SaveAnswer::Cancel;
    }
    const SaveAnswer answer = m_saveAnswers.front();
    m_saveAnswers.pop_front();
    return answer;
}

RestoreAnswer CFakeUiServices::AskRestore(const std::string& text)
{
    const CModalStandIn modal;
    m_records.push_back({Kind::Restore, text, MessageIcon::Question});
    if (m_restoreAnswers.empty())
    {
        return RestoreAnswer::Later;
    }
    const RestoreAnswer answer = m_restoreAnswers.front();
    m_restoreAnswers.pop_front();
    return answer;
}

bool CFakeUiServices::AskText(const std::string& prompt, std::string& textInOut)
{
    const CModalStandIn modal;
    m_records.push_back({Kind::Text, prompt, MessageIcon::None});
    if (m_texts.empty() || !m_texts.front().has_value())
    {
        if (!m_texts.empty())
        {
            m_texts.pop_front();
        }
        return false;
    }
    textInOut = *m_texts.front();
    m_texts.pop_front();
    return true;
}

bool CFakeUiServices::NextFile(Kind kind, const FileDialogRequest& request, std::string& pathOut)
{
    const CModalStandIn modal;
    m_records.push_back({kind, request.initialName, MessageIcon::None});
    m_fileRequests.push_back(request);
    if (m_files.empty())
    {
        return false;
    }
    const std::optional<std::string> file = m_files.front();
    m_files.pop_front();
    if (!file)
    {
        return false;
    }
    pathOut = *file;
    return true;
}

bool CFakeUiServices::ChooseOpenFile(const FileDialogRequest& request, std::string& pathOut)
{
    return NextFile(Kind::OpenFile, request, pathOut);
}

bool CFakeUiServices::ChooseSaveFile(const FileDialogRequest& request, std::string& pathOut)
{
    return NextFile(Kind::SaveFile, request, pathOut);
}

int CFakeUiServices::RunDialog(QDialog& dialog)
{
    const CModalStandIn modal(&dialog);
    m_records.push_back({Kind::Dialog, dialog.windowTitle().toStdString(), MessageIcon::None});
    if (m_dialogScripts.empty())
    {
        dialog.reject();
        return QDialog::Rejected;
    }
    const std::function<int(QDialog&)> script = m_dialogScripts.front();
    m_dialogScripts.pop_front();
    return script(dialog);
}

int CFakeUiServices::CountOf(const std::string& text) const
{
    int count = 0;
    for (const Record& record : m_records)
    {
        if (record.kind != Kind::Dialog && record.kind != Kind::OpenFile &&
            record.kind != Kind::SaveFile && record.text == text)
        {
            ++count;
        }
    }
    return count;
}

std::vector<std::string> CFakeUiServices::Texts() const
{
    std::vector<std::string> texts;
    for (const Record& record : m_records)
    {
        if (record.kind == Kind::Message || record.kind == Kind::OkCancel ||
            record.kind == Kind::YesNo || record.kind == Kind::SaveChanges ||
            record.kind == Kind::Restore)
        {
            texts.push_back(record.text);
        }
    }
    return texts;
}

void CFakeUiServices::Clear()
{
    m_records.clear();
    m_answers.clear();
    m_saveAnswers.clear();
    m_restoreAnswers.clear();
    m_texts.clear();
    m_files.clear();
    m_dialogScripts.clear();
    m_fileRequests.clear();
}
