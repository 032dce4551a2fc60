// File > Compare with File and Utility > Compare with Radio: the differences
// between the configuration in the window and a dump file or what the radio
// holds now, in a compare window. The radio is read on the port the Radio
// Comm form uses, and what was read is kept as a backup as every upload is.
#pragma once

// Qt
#include <QPointer>

// std
#include <string>

class CCompareWindow;
class CMainFrame;
class CRadioImage;
class CRadioReader;
class CVesk4App;

class CCompareCommands
{
public:
    CCompareCommands(CMainFrame& frame, CVesk4App& app);
    ~CCompareCommands();

    void OnCompareWithFile();
    // Starts reading the radio; the window follows when the read ends.
    void OnCompareWithRadio();
    bool IsReading() const;

    // The window of the last comparison, while it is open.
    CCompareWindow* LastWindow() const;
    CRadioReader* Reader() const;

private:
    void OnRadioRead(bool ok);
    // The form on screen takes back the port it let go for the read.
    void ReturnPort();
    CCompareWindow* NewWindow();

    CMainFrame& m_frame;
    CVesk4App& m_app;
    QPointer<CRadioReader> m_pReader;
    QPointer<CCompareWindow> m_pWindow;
    bool m_bPortReleased = false;
};
