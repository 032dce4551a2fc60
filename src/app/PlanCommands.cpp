// Channel plans in the window.

// own
#include "app/PlanCommands.h"
#include "app/AppTexts.h"
#include "app/MainFrame.h"
#include "app/PlanCompareTexts.h"
#include "app/Vesk4App.h"

// ui
#include "ui/UiServices.h"

// model
#include "model/ChannelGroups.h"
#include "model/ChannelPlanCsv.h"
#include "model/ChannelRules.h"
#include "model/FileAccess.h"
#include "model/TextFormat.h"

// Qt
#include <QDir>
#include <QFileInfo>
#include <QString>

// std
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace PlanCompareText;

namespace
{
bool HasModel(const CRadioImage& image)
{
    CChannelRules rules;
    return rules.LoadFromImage(image);
}

const char* OpenReason(FileOpenError error)
{
    switch (error)
    {
    case FileOpenError::Missing:
        return AppText::kOpenMissing;
    case FileOpenError::Denied:
        return AppText::kOpenDenied;
    case FileOpenError::NotRegular:
        return AppText::kOpenNotRegular;
    default:
        return AppText::kOpenUnreadable;
    }
}

std::string FileName(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}
} // namespace

CPlanCommands::CPlanCommands(CMainFrame& frame, CVesk4App& app) : m_frame(frame), m_app(app) {}

bool CPlanCommands::ReadPlan(const std::string& path, std::string& textOut)
{
    FileOpenError error = FileOpenError::None;
    const FilePtr file = OpenRegularFile(path, error);
    const char* reason = nullptr;
    std::string text;
    if (!file)
    {
        reason = OpenReason(error);
    }
    else
    {
        char buffer[65536];
        std::size_t count = 0;
        while (reason == nullptr && (count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        {
            text.append(buffer, count);
            reason = text.size() > kPlanSizeLimit ? kTooLarge : nullptr;
        }
        if (reason == nullptr && std::ferror(file.get()))
        {
            reason = AppText::kOpenUnreadable;
        }
    }
    if (reason != nullptr)
    {
        m_app.Ui().ShowMessage(FormatText(kReadError, path.c_str(), reason), MessageIcon::Warning);
        return false;
    }
    textOut = std::move(text);
    return true;
}

void CPlanCommands::OnImportPlan()
{
    if (!m_frame.TakeActiveEdits())
    {
        return;
    }
    if (!HasModel(m_frame.GetSharedImage()))
    {
        m_app.Ui().ShowMessage(kNoModel, MessageIcon::Warning);
        return;
    }
    FileDialogRequest request;
    request.initialName = kPlanPattern;
    request.filter = kPlanFilter;
    request.directory = QDir::currentPath().toStdString();
    std::string path;
    std::string text;
    if (!m_app.Ui().ChooseOpenFile(request, path) || !ReadPlan(path, text))
    {
        return;
    }
    ImportText(path, text);
}

void CPlanCommands::ImportText(const std::string& path, const std::string& text)
{
    IUiServices& ui = m_app.Ui();
    const int capacity = CChannelGroups::CapacityOfChannelMode(m_app.GetChannelMode());
    const bool merge = ui.AskYesNo(kKeepOthers, MessageIcon::Question);
    CRadioImage image = m_frame.GetSharedImage();
    std::vector<PlanProblem> problems;
    if (!CChannelPlanCsv::Import(text, capacity, merge, image, problems))
    {
        std::string message = FormatText(kRefused, problems.size(), path.c_str());
        for (const PlanProblem& problem : problems)
        {
            message += problem.Text() + "\n";
        }
        // The rest can be taken only when the header could be read: then
        // every problem is a row's.
        CRadioImage rest = m_frame.GetSharedImage();
        std::vector<PlanProblem> restProblems;
        if (!CChannelPlanCsv::ImportAccepted(text, capacity, merge, rest, restProblems))
        {
            ui.ShowMessage(message, MessageIcon::Warning);
            return;
        }
        if (!ui.AskYesNo(message + kImportRest, MessageIcon::Warning))
        {
            return;
        }
        image = rest;
    }
    m_frame.ApplyStep(
        QString::fromLatin1(kImportStep).arg(QString::fromStdString(FileName(path))).toStdString(),
        image);
    int used = 0;
    for (int i = 0; i < capacity; ++i)
    {
        int unused = 1;
        used += image.GetRxUnused(i, unused) && unused == 0 ? 1 : 0;
    }
    ui.ShowMessage(FormatText(kImported, used, path.c_str()), MessageIcon::Information);
}

void CPlanCommands::OnExportPlan()
{
    if (!m_frame.TakeActiveEdits())
    {
        return;
    }
    IUiServices& ui = m_app.Ui();
    const CRadioImage& image = m_frame.GetSharedImage();
    const int capacity = CChannelGroups::CapacityOfChannelMode(m_app.GetChannelMode());
    std::string text;
    std::vector<std::string> notes;
    if (!CChannelPlanCsv::Export(image, capacity, text, notes))
    {
        ui.ShowMessage(kNoModel, MessageIcon::Warning);
        return;
    }
    const std::vector<std::string> toneNotes = CChannelPlanCsv::UncommonToneNotes(image, capacity);
    notes.insert(notes.end(), toneNotes.begin(), toneNotes.end());

    FileDialogRequest request;
    request.initialName = kPlanPattern;
    if (!m_frame.GetFilePath().empty())
    {
        // The dump file's name with the plan's extension.
        const QFileInfo dump(QString::fromStdString(m_frame.GetFilePath()));
        request.initialName =
            (dump.completeBaseName() + QString::fromLatin1(kPlanExtension)).toStdString();
    }
    request.filter = kPlanFilter;
    request.directory = QDir::currentPath().toStdString();
    std::string path;
    if (!ui.ChooseSaveFile(request, path))
    {
        return;
    }
    if (QFileInfo(QString::fromStdString(path)).suffix().isEmpty())
    {
        path += kPlanExtension;
    }
    errno = 0;
    if (!SaveFileSafely(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))
    {
        const int error = errno != 0 ? errno : EIO;
        ui.ShowMessage(FormatText(kWriteError, path.c_str(), std::strerror(error)),
                       MessageIcon::Warning);
        return;
    }
    int rows = 0;
    for (const char c : text)
    {
        rows += c == '\n' ? 1 : 0;
    }
    std::string message = FormatText(kExported, rows - 1, path.c_str());
    if (!notes.empty())
    {
        message += kNotesHeading;
        for (const std::string& note : notes)
        {
            message += note + "\n";
        }
    }
    ui.ShowMessage(message, notes.empty() ? MessageIcon::Information : MessageIcon::Warning);
}
