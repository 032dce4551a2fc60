// The application object: the program's state shared by every window, the eight
// document templates, start-up and exit.
#pragma once

// own
#include "ui/CommandIds.h"

// link
#include "link/PortMap.h"

// views
#include "views/ViewHost.h"

// std
#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CDemoRadio;
class CDocTemplate;
class CMainFrame;
class CVesk4View;
class IUiServices;

class CVesk4App : public IViewHost
{
public:
    explicit CVesk4App(IUiServices& ui);
    ~CVesk4App() override;
    CVesk4App(const CVesk4App&) = delete;
    CVesk4App& operator=(const CVesk4App&) = delete;

    // Creates the templates and the main window, opens the Model view, shows the
    // window and reads "Comport.ini" in the current directory. False only when
    // the main window cannot be created.
    bool InitInstance();
    // Writes the port choice back to "Comport.ini" (a failure is ignored).
    int ExitInstance();

    // Opens the view of `index` with a new document unless it is open already.
    void OpenView(int index);
    // Closes the view of `index`, asking nothing.
    void CloseView(int index);
    // The open view of `index`, or nullptr.
    CVesk4View* GetView(int index) const;

    void OnAppAbout();

    CMainFrame* GetMainFrame() const { return m_pMainWnd.get(); }
    // IViewHost: what the forms may ask of the application.
    IUiServices& Ui() const override { return m_ui; }
    int GetComPort() const override { return m_nComPort; }
    const CPortMap& GetPortMap() const override { return m_portMap; }
    void SetModelIndex(int index) override { m_nModelIndex = index; }
    void OnPrintEnded() override { m_bPrintBusy = 0; }
    std::string DemoRadioState() const override;
    void OnFormEdited(int viewIndex, const std::string& name) override;

    // IAppState: the radio image and the link report the capacity through these.
    std::int32_t GetChannelCode() const override { return m_nChannelCode; }
    void SetChannelCode(std::int32_t code) override { m_nChannelCode = code; }
    std::int32_t GetChannelMode() const override { return m_nChannelMode; }
    void SetChannelMode(std::int32_t mode) override { m_nChannelMode = mode; }
    void ReportReadError() override;

    // The main frame's state of the whole program.
    void SetComPort(int port) { m_nComPort = port; }
    // Port 1..4 now stands for `path`, kept in section "Devices" of
    // "Comport.ini" as given (a by-id link stays the link). In a
    // demonstration the file is left alone: its ports lead to the simulated
    // radio only while it runs. False when the file could not be written.
    [[nodiscard]] bool AssignDevice(int portNumber, const std::string& path);
    int GetModelIndex() const { return m_nModelIndex; }
    bool IsModelUnset() const { return m_bModelUnset != 0; }
    void SetModelUnset(bool unset) { m_bModelUnset = unset ? 1 : 0; }
    bool IsPrintBusy() const { return m_bPrintBusy != 0; }
    void SetPrintBusy(bool busy) { m_bPrintBusy = busy ? 1 : 0; }
    // Fixed at start-up: the current directory then, and "Comport.ini" in it.
    const std::string& GetStartDir() const { return m_szStartDir; }
    const std::string& GetIniPath() const { return m_strIniPath; }
    // Where the installed help is looked for: the program's folder, set at
    // start-up.
    const std::string& GetProgramDir() const { return m_strProgramDir; }
    void SetProgramDir(const std::string& folder) { m_strProgramDir = folder; }
    // Points COM1 and COM2 at the demonstration radio, which must outlive
    // this object, and lets the forms ask what it is doing.
    void AttachDemoRadio(const CDemoRadio& radio, const std::string& devicePath);

private:
    IUiServices& m_ui;
    std::int32_t m_nComPort = 0;     // 0 = COM1, 1 = COM2
    std::int32_t m_nChannelMode = 0; // 0 = 120 channels, nonzero = 320
    std::int32_t m_nChannelCode = 1; // 1 = 120, 2 = 320, -1 = not in the file
    std::uint8_t m_bModelUnset = 1;  // no radio model chosen yet
    std::uint8_t m_bPrintBusy = 0;   // a print preview is open
    std::string m_szStartDir;        // current directory at start-up
    std::string m_strIniPath;        // full path of "Comport.ini"
    std::string m_strProgramDir;     // folder of the program and its installed help
    std::int32_t m_nModelIndex = -1; // model last accepted by the Model view
    // Device paths of COM1..COM4: section "Devices" of "Comport.ini", and the
    // simulated radio of --demo.
    CPortMap m_portMap;
    // The simulated radio of --demo, when the ports lead to it; it outlives
    // this object.
    const CDemoRadio* m_pDemoRadio = nullptr;
    std::array<std::unique_ptr<CDocTemplate>, VIEW_COUNT> m_pTemplates;

    std::unique_ptr<CMainFrame> m_pMainWnd;
};
