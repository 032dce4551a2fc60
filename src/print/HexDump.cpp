// Hex dump rows and their paging.
#include "print/HexDump.h"

// own
#include "print/PrintTexts.h"

// std
#include <algorithm>
#include <cstdio>

namespace
{

// Only printable ASCII goes to the character column. Bytes of 0x80 and above
// have always shown as "."; control characters do too, because a line feed or
// an escape sequence in the column would break the line on a terminal and
// draws nothing useful on paper.
char ColumnCharacter(std::uint8_t byte)
{
    return (byte >= 0x20 && byte < 0x7F) ? static_cast<char>(byte) : PrintTexts::kHexNonPrintable;
}

} // namespace

CHexDump::CHexDump()
{
    m_snapshot.fill(0xFF);
}

bool CHexDump::TakeSnapshot(const CRadioImage& image)
{
    return image.ReadBlock(m_snapshot.data(), 0, kImageSize);
}

std::string CHexDump::HeaderLine()
{
    return PrintTexts::kHexHeader;
}

std::string CHexDump::RowText(int row) const
{
    if (row < 0 || row >= kRowCount)
    {
        return {};
    }
    const int offset = row * kBytesPerRow;
    char piece[16];
    std::snprintf(piece, sizeof piece, PrintTexts::kHexOffsetFormat, offset);
    std::string text = piece;
    for (int i = 0; i < kBytesPerRow; ++i)
    {
        std::snprintf(piece, sizeof piece, PrintTexts::kHexByteFormat,
                      static_cast<unsigned>(m_snapshot[offset + i]));
        text += piece;
    }
    text += PrintTexts::kHexSeparator;
    for (int i = 0; i < kBytesPerRow; ++i)
    {
        text += ColumnCharacter(m_snapshot[offset + i]);
    }
    return text;
}

int CHexDump::PageCount(const CPageGeometry& geometry)
{
    // Geometry guarantees L >= 2, so every page holds at least one row.
    const int rowsPerPage = geometry.GetLinesPerPage() - 1;
    return (kRowCount + rowsPerPage - 1) / rowsPerPage;
}

bool CHexDump::GetPageRows(const CPageGeometry& geometry, int page, int& firstRowOut,
                           int& rowCountOut)
{
    if (page < 1 || page > PageCount(geometry))
    {
        return false;
    }
    const int rowsPerPage = geometry.GetLinesPerPage() - 1;
    // Never more than a full page: with L - 1 dividing 511 a longer next-to-last
    // page would print the image's last row a second time on the last page.
    firstRowOut = (page - 1) * rowsPerPage;
    rowCountOut = std::min(rowsPerPage, kRowCount - firstRowOut);
    return true;
}

bool CHexDump::LayOutPage(const CPageGeometry& geometry, int page, const std::string& title,
                          const std::string& capacityLabel, CPageLayout& layoutOut) const
{
    int firstRow = 0;
    int rowCount = 0;
    if (!GetPageRows(geometry, page, firstRow, rowCount))
    {
        return false;
    }
    const int pageCount = PageCount(geometry);
    const int x0 = geometry.GetLeftMargin();

    layoutOut.Clear();
    layoutOut.SetPage(page, pageCount);
    layoutOut.AddText(PageTextRole::Title, x0, geometry.TitleY(), title);
    layoutOut.AddText(PageTextRole::CapacityLabel, x0, geometry.CapacityLabelY(), capacityLabel);
    layoutOut.AddText(PageTextRole::Header, x0, geometry.GetTopMargin(), HeaderLine());
    for (int r = 0; r < rowCount; ++r)
    {
        layoutOut.AddText(PageTextRole::Body, x0, geometry.LineY(r), RowText(firstRow + r));
    }
    layoutOut.AddText(PageTextRole::PageNumber, geometry.PageNumberX(),
                      geometry.PageNumberY(geometry.GetLinesPerPage()),
                      CPageLayout::PageNumberText(page, pageCount));
    return true;
}
