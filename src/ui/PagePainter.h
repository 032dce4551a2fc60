// The one drawing code of the printed listings: it puts the pages of a print
// job on a printer, whether that printer feeds the preview, a real printer or
// a PDF file.
#pragma once

// print
#include "print/PageGeometry.h"
#include "print/PageLayout.h"
#include "print/PrintJob.h"

// Qt
#include <QFont>
#include <QString>

// std
#include <functional>
#include <string>

class QPainter;
class QPrinter;

class CPagePainter
{
public:
    // Asked before page `page` of `pageCount` is drawn; false ends the job.
    using PageGate = std::function<bool(int page, int pageCount)>;

    static constexpr int kListingPointSize = 10;

    // The report and the dump line their columns up with blanks, so they are
    // drawn in a fixed-pitch font.
    static QFont ListingFont();

    // The printable area of `printer` (the painter's origin is its top-left
    // corner) and the height of "0" in the listing font on that device.
    static CPageGeometry GeometryOf(QPrinter& printer);

    // What a text of the layout looks like on paper: the title is a file path
    // (the file system's encoding), every other text one Latin-1 character per
    // byte. Control characters are drawn as blanks so the columns stay in line.
    static QString DisplayText(const PageText& text);

    // The printer's document name for a job titled with a dump file's path:
    // the file's name alone, from which the printer dialog proposes the name
    // of a PDF in a folder that exists.
    static QString DocumentName(const std::string& title);

    // Draws every text of one page at its cell, the baseline one ascent below
    // the cell's top. The painter's font must be the listing font.
    static void DrawLayout(QPainter& painter, const CPageLayout& layout);

    // Draws the pages of `job` on `printer`: all of them, or the range the user
    // chose in the printer dialog, each after `gate` agreed. False when the
    // printer could not be opened or finished with an error; pagesOut counts
    // the pages drawn.
    [[nodiscard]] static bool PaintJob(QPrinter& printer, const CPrintJob& job,
                                       const PageGate& gate, int& pagesOut);
};
