// One print or preview of the active view: which listing, its title, the
// capacity label, the report lines or hex snapshot, and each page's layout.
// A painter asks it for the page count and for what to draw on page k.
//
// How a view drives it:
//   print command      job.Start(mode, title, ownImage)   (after StoreToImage)
//   each job start     job.Prepare(ownImage, appState)
//   per device         CPageGeometry geometry(printable area, height of "0")
//                      pages = job.GetPageCount(geometry)
//   per page k         job.LayOutPage(geometry, k, layout); draw every text of
//                      layout at (m_nX, m_nY + the font's ascent)
// The geometry's units are the device's; the character height is the text
// height the font reports for "0" on that device (ascent plus descent).
#pragma once

// own
#include "print/HexDump.h"
#include "print/PageGeometry.h"
#include "print/PageLayout.h"
#include "print/TextReport.h"

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// std
#include <string>
#include <vector>

// The stored values of the view's print mode.
enum class PrintMode
{
    HexDump = 0,
    Report = 1,
    // Lines given whole (a comparison), paged as the report is.
    Listing = 2
};

class CPrintJob
{
public:
    // The print command (after the view stored its form into its own image):
    // remembers mode and title, takes the hex snapshot, builds the report
    // sections.
    void Start(PrintMode mode, const std::string& title, const CRadioImage& image);
    // A listing of lines that no image gives, one line per body line; the
    // lines are Latin-1, as the report's are.
    void StartListing(const std::string& title, std::vector<std::string> lines);

    // Every start of a preview or a print job: the capacity label from the
    // channel code, and the report lines for the channel mode. A job that
    // was never started (the framework's own Print command) is started here
    // from the given image, in the current mode with the current title.
    void Prepare(const CRadioImage& image, const IAppState& app);

    PrintMode GetMode() const { return m_mode; }
    const std::string& GetTitle() const { return m_strTitle; }
    const std::string& GetCapacityLabel() const { return m_strCapacityLabel; }
    const CTextReport& GetReport() const { return m_report; }
    const CHexDump& GetHexDump() const { return m_hexDump; }

    int GetPageCount(const CPageGeometry& geometry) const;
    // False for a page outside 1..GetPageCount.
    [[nodiscard]] bool LayOutPage(const CPageGeometry& geometry, int page,
                                  CPageLayout& layoutOut) const;

    // "120Ch" for code 1, "320Ch" for code 2, empty otherwise.
    static std::string CapacityLabel(std::int32_t channelCode);

private:
    PrintMode m_mode = PrintMode::HexDump;
    bool m_bStarted = false;
    std::string m_strTitle;
    std::string m_strCapacityLabel;
    CTextReport m_report;
    CHexDump m_hexDump;
};
