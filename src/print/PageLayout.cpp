// Collecting the texts of one printed page.
#include "print/PageLayout.h"

// own
#include "print/PrintTexts.h"

// std
#include <cstdio>
#include <utility>

void CPageLayout::Clear()
{
    m_nPage = 0;
    m_nPageCount = 0;
    m_texts.clear();
}

void CPageLayout::SetPage(int page, int pageCount)
{
    m_nPage = page;
    m_nPageCount = pageCount;
}

void CPageLayout::AddText(PageTextRole role, int x, int y, std::string text)
{
    m_texts.push_back(PageText{role, x, y, std::move(text)});
}

std::string CPageLayout::PageNumberText(int page, int pageCount)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, PrintTexts::kPageNumberFormat, page, pageCount);
    return buffer;
}
