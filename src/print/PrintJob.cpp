// The state of one print or preview and the page it draws.
#include "print/PrintJob.h"

// own
#include "print/PrintTexts.h"

void CPrintJob::Start(PrintMode mode, const std::string& title, const CRadioImage& image)
{
    m_mode = mode;
    m_strTitle = title;
    m_bStarted = true;
    // Both listings are prepared whatever the mode, so switching the mode
    // later never draws from a stale snapshot or empty sections.
    (void)m_hexDump.TakeSnapshot(image);
    m_report.BuildSections(image);
}

void CPrintJob::StartListing(const std::string& title, std::vector<std::string> lines)
{
    m_mode = PrintMode::Listing;
    m_strTitle = title;
    m_bStarted = true;
    m_report.SetLines(std::move(lines));
}

void CPrintJob::Prepare(const CRadioImage& image, const IAppState& app)
{
    if (!m_bStarted)
    {
        Start(m_mode, m_strTitle, image);
    }
    m_strCapacityLabel = CapacityLabel(app.GetChannelCode());
    if (m_mode == PrintMode::Report)
    {
        m_report.Assemble(image, app.GetChannelMode());
    }
}

int CPrintJob::GetPageCount(const CPageGeometry& geometry) const
{
    return m_mode == PrintMode::HexDump ? CHexDump::PageCount(geometry)
                                        : m_report.PageCount(geometry);
}

bool CPrintJob::LayOutPage(const CPageGeometry& geometry, int page, CPageLayout& layoutOut) const
{
    if (m_mode != PrintMode::HexDump)
    {
        return m_report.LayOutPage(geometry, page, m_strTitle, layoutOut);
    }
    return m_hexDump.LayOutPage(geometry, page, m_strTitle, m_strCapacityLabel, layoutOut);
}

std::string CPrintJob::CapacityLabel(std::int32_t channelCode)
{
    if (channelCode == 1)
    {
        return PrintTexts::kCapacity120;
    }
    if (channelCode == 2)
    {
        return PrintTexts::kCapacity320;
    }
    return {};
}
