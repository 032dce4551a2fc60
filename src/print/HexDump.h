// The hex dump listing: a snapshot of the 8192 image bytes, its header line and
// 16-byte rows, and how the rows fall onto pages.
#pragma once

// own
#include "print/PageGeometry.h"
#include "print/PageLayout.h"

// model
#include "model/RadioImage.h"

// std
#include <array>
#include <cstdint>
#include <string>

class CHexDump
{
public:
    static constexpr int kBytesPerRow = 16;
    static constexpr int kRowCount = static_cast<int>(kImageSize) / kBytesPerRow;

    using Snapshot = std::array<std::uint8_t, kImageSize>;

    // Until a snapshot is taken the listing shows an erased EEPROM (all 0xFF).
    CHexDump();

    // The listing shows this copy, not the live image, so edits made while a
    // preview is open cannot change pages already drawn.
    [[nodiscard]] bool TakeSnapshot(const CRadioImage& image);
    const Snapshot& GetSnapshot() const { return m_snapshot; }

    static std::string HeaderLine();
    // Row 0..511: "%04x : ", 16 x " %02x", "  :  ", then one character per
    // byte. Empty for a row outside the image.
    std::string RowText(int row) const;

    // Pages hold L - 1 rows (the header takes the first line).
    static int PageCount(const CPageGeometry& geometry);
    // The rows of page 1..PageCount; false for any other page.
    [[nodiscard]] static bool GetPageRows(const CPageGeometry& geometry, int page, int& firstRowOut,
                                          int& rowCountOut);

    // Title and capacity label above the header, the rows, the page number.
    [[nodiscard]] bool LayOutPage(const CPageGeometry& geometry, int page, const std::string& title,
                                  const std::string& capacityLabel, CPageLayout& layoutOut) const;

private:
    Snapshot m_snapshot;
};
