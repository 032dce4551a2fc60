// The geometry shared by every printed page of the report and the hex dump:
// lines per page, line pitch, margins and where the title and page number go.
#pragma once

// A rectangle of the printable area, in the device units of the printer or
// preview (y grows downwards).
struct PrintArea
{
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
};

class CPageGeometry
{
public:
    // Fewer than two lines would leave a hex dump page without a single row
    // (its first line is the column header), so both listings assume two.
    static constexpr int kMinLinesPerPage = 2;

    // charHeight is the height of the character "0" in the font the page is
    // drawn with, in the same units as the area.
    CPageGeometry(const PrintArea& area, int charHeight);

    const PrintArea& GetArea() const { return m_area; }
    int GetCharHeight() const { return m_nCharHeight; }
    // L: at least kMinLinesPerPage, however small the area or large the font.
    int GetLinesPerPage() const { return m_nLinesPerPage; }
    int GetLinePitch() const { return m_nLinePitch; }
    int GetLeftMargin() const { return m_nLeftMargin; }
    int GetTopMargin() const { return m_nTopMargin; }

    // Top of body line i of a page (0 is the first line below the margin).
    int LineY(int line) const { return m_nTopMargin + (line + 1) * m_nLinePitch; }
    int TitleY() const { return m_nTopMargin - 2 * m_nLinePitch; }
    int CapacityLabelY() const { return m_nTopMargin - m_nLinePitch; }
    // The page number line starts at the horizontal middle of the area.
    int PageNumberX() const { return m_area.m_nLeft + m_area.m_nWidth / 2; }
    // linesOnFullPage: the lines a full page of this listing holds.
    int PageNumberY(int linesOnFullPage) const { return LineY(linesOnFullPage); }

private:
    PrintArea m_area;
    int m_nCharHeight = 1;
    int m_nLinesPerPage = kMinLinesPerPage;
    int m_nLinePitch = 1;
    int m_nLeftMargin = 0;
    int m_nTopMargin = 0;
};
