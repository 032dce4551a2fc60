// File > Import Channel Plan and Export Channel Plan: CSV channel plans read
// into and written from the configuration in the window, with the columns,
// rules and messages of vesk4-cli import-csv and export-csv.
#pragma once

// std
#include <string>

class CMainFrame;
class CVesk4App;

class CPlanCommands
{
public:
    // A plan far beyond any radio's 320 rows is not read into memory whole.
    static constexpr std::size_t kPlanSizeLimit = 16U * 1024U * 1024U;

    CPlanCommands(CMainFrame& frame, CVesk4App& app);

    // The plan chosen in the open dialog replaces the channels (one step for
    // Undo). A plan with refused rows lists them all in one message and
    // changes nothing, unless the user chooses to import the other rows.
    void OnImportPlan();
    // The channels in use into the plan chosen in the save dialog.
    void OnExportPlan();

private:
    // The text of the plan at `path`, or false after telling the user why not.
    bool ReadPlan(const std::string& path, std::string& textOut);
    void ImportText(const std::string& path, const std::string& text);

    CMainFrame& m_frame;
    CVesk4App& m_app;
};
