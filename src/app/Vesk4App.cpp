// Start-up, exit and the view bookkeeping of the application object.

// own
#include "app/Vesk4App.h"
#include "app/AboutDlg.h"
#include "app/AppTexts.h"
#include "app/DemoRadio.h"
#include "app/DocTemplate.h"
#include "app/MainFrame.h"
#include "ui/UiServices.h"

// link
#include "link/ProfileFile.h"

// views
#include "views/Vesk4View.h"

// Qt
#include <QCoreApplication>

// std
#include <filesystem>
#include <system_error>

namespace
{
// Where "Comport.ini" keeps the port choice: "0" COM1, "1" COM2.
constexpr char kIniSection[] = "AppComport";
constexpr char kIniKey[] = "Value";
} // namespace

CVesk4App::CVesk4App(IUiServices& ui) : m_ui(ui) {}

CVesk4App::~CVesk4App()
{
    // Views first: they refer to the main frame and to this object.
    for (auto& docTemplate : m_pTemplates)
    {
        if (docTemplate)
        {
            docTemplate->CloseAllDocuments();
        }
    }
    m_pMainWnd.reset();
}

bool CVesk4App::InitInstance()
{
    // Templates are kept here only: nothing else may open a document, so no
    // "new document" command exists and nothing ever asks to save.
    for (int index = 0; index < VIEW_COUNT; ++index)
    {
        m_pTemplates[static_cast<std::size_t>(index)] = std::make_unique<CDocTemplate>(index);
    }

    // Qt reports no failure to create a window; the result stays for callers
    // that follow the start-up contract.
    m_pMainWnd = std::make_unique<CMainFrame>(*this);
    OpenView(VIEW_MODEL);
    m_pMainWnd->show();

    std::error_code error;
    m_szStartDir = std::filesystem::current_path(error).string();
    m_strIniPath = m_szStartDir + "/" + AppText::kComportIni;
    m_strProgramDir = QCoreApplication::applicationDirPath().toStdString();

    const int value = CProfileFile(m_strIniPath).ReadInt(kIniSection, kIniKey, -1);
    m_nComPort = (value != 0 && value != -1) ? 1 : 0;
    m_portMap.Load(CProfileFile(m_strIniPath));
    return true;
}

int CVesk4App::ExitInstance()
{
    // A file that cannot be written is ignored: the next start falls back to COM1.
    (void)CProfileFile(m_strIniPath).WriteString(kIniSection, kIniKey, m_nComPort != 0 ? "1" : "0");
    return 0;
}

bool CVesk4App::AssignDevice(int portNumber, const std::string& path)
{
    if (m_portMap.DevicePath(portNumber) == path || path.empty())
    {
        return true;
    }
    m_portMap.SetDevicePath(portNumber, path);
    if (m_pDemoRadio)
    {
        return true;
    }
    return CProfileFile(m_strIniPath)
        .WriteString("Devices", "COM" + std::to_string(portNumber), path);
}

void CVesk4App::OpenView(int index)
{
    if (index < 0 || index >= VIEW_COUNT || !m_pMainWnd)
    {
        return;
    }
    CDocTemplate& docTemplate = *m_pTemplates[static_cast<std::size_t>(index)];
    if (!docTemplate.HasDocument())
    {
        docTemplate.OpenDocumentFile(*this, m_pMainWnd->ClientArea());
    }
}

void CVesk4App::CloseView(int index)
{
    if (index >= 0 && index < VIEW_COUNT && m_pTemplates[static_cast<std::size_t>(index)])
    {
        m_pTemplates[static_cast<std::size_t>(index)]->CloseAllDocuments();
    }
}

CVesk4View* CVesk4App::GetView(int index) const
{
    if (index < 0 || index >= VIEW_COUNT || !m_pTemplates[static_cast<std::size_t>(index)])
    {
        return nullptr;
    }
    return m_pTemplates[static_cast<std::size_t>(index)]->GetView();
}

void CVesk4App::OnAppAbout()
{
    CAboutDlg dialog(m_pMainWnd.get());
    m_ui.RunDialog(dialog);
}

void CVesk4App::AttachDemoRadio(const CDemoRadio& radio, const std::string& devicePath)
{
    m_portMap.SetDevicePath(1, devicePath);
    m_portMap.SetDevicePath(2, devicePath);
    m_pDemoRadio = &radio;
}

void CVesk4App::OnFormEdited(int viewIndex, const std::string& name)
{
    if (m_pMainWnd)
    {
        m_pMainWnd->OnFormEdited(viewIndex, name);
    }
}

std::string CVesk4App::DemoRadioState() const
{
    return m_pDemoRadio != nullptr ? m_pDemoRadio->StateText() : std::string();
}

void CVesk4App::ReportReadError()
{
    m_ui.ShowMessage(AppText::kReadError, MessageIcon::Warning);
}
