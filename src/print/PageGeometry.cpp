// Page geometry of the printed listings: all integer arithmetic, divisions
// truncate, as the page furniture has always been placed.
#include "print/PageGeometry.h"

// std
#include <algorithm>

CPageGeometry::CPageGeometry(const PrintArea& area, int charHeight)
    : m_area(area), m_nCharHeight(std::max(charHeight, 1))
{
    // A character height below 1 (a broken font metric) would make the line
    // divisor zero; one device unit is the smallest height that can be drawn.
    const int c = m_nCharHeight;
    const int lines = ((area.m_nHeight / 12) * 11) / (c + c / 2);
    m_nLinesPerPage = std::max(lines, kMinLinesPerPage);
    m_nLinePitch = c + c / 4;
    m_nLeftMargin = area.m_nLeft + area.m_nWidth / 15;
    m_nTopMargin = area.m_nTop + area.m_nHeight / 15;
}
