// Reading back the PDF files the program writes: enough of the format to tell
// a complete file and to count its pages two independent ways.
#pragma once

// Qt
#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>

struct PdfFile
{
    bool m_bComplete = false;  // "%PDF-" header and "%%EOF" trailer
    int m_nPageObjects = -1;   // objects of /Type /Page
    int m_nPageTreeCount = -1; // /Count of the /Type /Pages root

    static PdfFile Read(const QString& path)
    {
        PdfFile pdf;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
        {
            return pdf;
        }
        const QByteArray bytes = file.readAll();
        pdf.m_bComplete = bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
        // Page dictionaries are never compressed in object streams here, so
        // their /Type entries can be read as text.
        const QString text = QString::fromLatin1(bytes);
        static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
        pdf.m_nPageObjects = static_cast<int>(text.count(pageObject));
        static const QRegularExpression pageTree(
            QStringLiteral("/Type\\s*/Pages(?![A-Za-z])[^>]*?/Count\\s+(\\d+)"));
        const QRegularExpressionMatch match = pageTree.match(text);
        if (match.hasMatch())
        {
            pdf.m_nPageTreeCount = match.captured(1).toInt();
        }
        return pdf;
    }
};
