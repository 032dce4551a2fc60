// The text report: every setting of a radio image as labelled lines, and how
// the lines fall onto pages.
#pragma once

// own
#include "print/PageGeometry.h"
#include "print/PageLayout.h"

// model
#include "model/RadioImage.h"

// std
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CTextReport
{
public:
    static constexpr int kModelLineCount = 6;
    static constexpr int kTwoToneLineCount = 6;
    static constexpr int kOptionLineCount = 16;
    static constexpr int kAdjustLineCount = 9;
    // The four sections and the blank line after them.
    static constexpr int kSectionLineCount =
        kModelLineCount + kTwoToneLineCount + kOptionLineCount + kAdjustLineCount + 1;
    static constexpr int kChannelBlockLineCount = 14;
    static constexpr int kGroupLineCount = kGroupNameCount;
    // Channels of a radio whose channel mode is 0 (kChannelCount otherwise).
    static constexpr int kSmallRadioChannels = 120;

    // At the print command: the model, 2-tone, option, adjust and group texts,
    // and the two channel steps that the [MODEL] section names.
    void BuildSections(const CRadioImage& image);

    // At every start of a preview or print job: the sections (built first if
    // the print command did not), one block per channel whose receive side is
    // in use among the first 120 (channelMode 0) or 320 channels, then the
    // group lines. Every such channel is listed.
    void Assemble(const CRadioImage& image, std::int32_t channelMode);

    // Both steps at once, for callers without a print command (command line).
    void Build(const CRadioImage& image, std::int32_t channelMode);

    // 320 for any nonzero channel mode, else 120.
    static int ChannelCount(std::int32_t channelMode);
    // A channel is listed when its receive side is in use, whatever its
    // transmit side holds.
    static bool IsChannelInUse(const CRadioImage& image, int n);

    const std::vector<std::string>& GetLines() const { return m_lines; }
    // Lines of another listing, paged and laid out as the report's.
    void SetLines(std::vector<std::string> lines) { m_lines = std::move(lines); }
    int GetChannelsListed() const { return m_nChannelsListed; }

    // Paging: L lines per page; a report shorter than a page is one page.
    int PageCount(const CPageGeometry& geometry) const;
    [[nodiscard]] bool GetPageLines(const CPageGeometry& geometry, int page, int& firstLineOut,
                                    int& lineCountOut) const;
    // The title, the lines of the page and the page number line.
    [[nodiscard]] bool LayOutPage(const CPageGeometry& geometry, int page, const std::string& title,
                                  CPageLayout& layoutOut) const;

private:
    void AppendChannelBlock(const CRadioImage& image, int n);

    bool m_bSectionsBuilt = false;
    std::vector<std::string> m_sectionLines;
    std::vector<std::string> m_groupLines;
    // Remembered from the [MODEL] section; every channel frequency uses them.
    double m_dWideStepKhz = 0.0;
    double m_dNarrowStepKhz = 0.0;

    std::vector<std::string> m_lines;
    int m_nChannelsListed = 0;
};
