// What one printed page holds, so that a painter draws it without any layout
// of its own: each text with its position in device units.
#pragma once

// std
#include <string>
#include <vector>

// What a text is, so that a painter may pick a font or a test a line.
enum class PageTextRole
{
    Title,         // the dump file's path, above the body
    CapacityLabel, // "120Ch" / "320Ch" (hex dump pages only)
    Header,        // the hex dump's column header
    Body,          // a report line or a hex dump row
    PageNumber     // "Page k / n "
};

struct PageText
{
    PageTextRole m_role = PageTextRole::Body;
    // Left edge and top of the text cell. A painter whose text origin is the
    // baseline (Qt's drawText) adds the font's ascent to m_nY.
    int m_nX = 0;
    int m_nY = 0;
    // Single-byte characters, one per byte, as the image holds them (Latin-1).
    std::string m_strText;
};

class CPageLayout
{
public:
    void Clear();
    void SetPage(int page, int pageCount);
    void AddText(PageTextRole role, int x, int y, std::string text);

    int GetPage() const { return m_nPage; }
    int GetPageCount() const { return m_nPageCount; }
    const std::vector<PageText>& GetTexts() const { return m_texts; }

    // "Page %d / %d " filled in.
    static std::string PageNumberText(int page, int pageCount);

private:
    int m_nPage = 0;
    int m_nPageCount = 0;
    std::vector<PageText> m_texts;
};
