// Drawing the pages of a print job.

// own
#include "ui/PagePainter.h"

// Qt
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

// std
#include <algorithm>

QFont CPagePainter::ListingFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    // Any other fixed-pitch face will do where that one is missing.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(kListingPointSize);
    return font;
}

CPageGeometry CPagePainter::GeometryOf(QPrinter& printer)
{
    const QFontMetrics metrics(ListingFont(), &printer);
    PrintArea area;
    area.m_nWidth = printer.width();
    area.m_nHeight = printer.height();
    return CPageGeometry(area, metrics.ascent() + metrics.descent());
}

QString CPagePainter::DisplayText(const PageText& text)
{
    QString shown = text.m_role == PageTextRole::Title
                        ? QFile::decodeName(QByteArray::fromStdString(text.m_strText))
                        : QString::fromLatin1(text.m_strText.data(),
                                              static_cast<qsizetype>(text.m_strText.size()));
    for (QChar& c : shown)
    {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        {
            c = QLatin1Char(' ');
        }
    }
    return shown;
}

QString CPagePainter::DocumentName(const std::string& title)
{
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(title))).fileName();
}

void CPagePainter::DrawLayout(QPainter& painter, const CPageLayout& layout)
{
    const int ascent = painter.fontMetrics().ascent();
    for (const PageText& text : layout.GetTexts())
    {
        if (!text.m_strText.empty())
        {
            painter.drawText(QPoint(text.m_nX, text.m_nY + ascent), DisplayText(text));
        }
    }
}

bool CPagePainter::PaintJob(QPrinter& printer, const CPrintJob& job, const PageGate& gate,
                            int& pagesOut)
{
    pagesOut = 0;
    const CPageGeometry geometry = GeometryOf(printer);
    const int pageCount = job.GetPageCount(geometry);
    int first = 1;
    int last = pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
    {
        first = std::max(first, printer.fromPage());
        if (printer.toPage() > 0)
        {
            last = std::min(last, printer.toPage());
        }
    }

    QPainter painter;
    if (!painter.begin(&printer))
    {
        return false;
    }
    painter.setFont(ListingFont());
    CPageLayout layout;
    for (int page = first; page <= last; ++page)
    {
        if ((gate && !gate(page, pageCount)) || !job.LayOutPage(geometry, page, layout))
        {
            break;
        }
        if (pagesOut > 0 && !printer.newPage())
        {
            painter.end();
            return false;
        }
        DrawLayout(painter, layout);
        ++pagesOut;
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}
