// What the printing tests share: a printer that records every text drawn on
// it with its page and baseline, images with channels in use, and a form whose
// print hooks a test can call.
#pragma once

// views
#include "views/Vesk4View.h"

// model
#include "model/RadioImage.h"

// Qt
#include <QHash>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QString>

// std
#include <gtest/gtest.h>
#include <vector>

// Paint and print engine in one, as a real printer has: it keeps the texts
// and the page breaks and draws nothing.
class RecordingEngine : public QPaintEngine, public QPrintEngine
{
public:
    struct DrawnText
    {
        int page; // from 1
        int x;    // baseline origin, device units
        int y;
        QString text;
    };

    RecordingEngine(int width, int height, int dpi)
        : QPaintEngine(QPaintEngine::AllFeatures), m_nWidth(width), m_nHeight(height), m_nDpi(dpi)
    {
    }

    std::vector<DrawnText> m_texts;
    int m_nPages = 0; // pages begun

    // The texts of one page, in the order drawn.
    std::vector<DrawnText> OnPage(int page) const
    {
        std::vector<DrawnText> texts;
        for (const DrawnText& text : m_texts)
        {
            if (text.page == page)
            {
                texts.push_back(text);
            }
        }
        return texts;
    }

    // QPaintEngine
    bool begin(QPaintDevice*) override
    {
        m_state = QPrinter::Active;
        m_nPages = 1;
        return true;
    }
    bool end() override
    {
        m_state = QPrinter::Idle;
        return true;
    }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        m_texts.push_back({m_nPages, qRound(p.x()), qRound(p.y()), item.text()});
    }
    QPaintEngine::Type type() const override { return QPaintEngine::User; }

    // QPrintEngine
    void setProperty(PrintEnginePropertyKey key, const QVariant& value) override
    {
        m_properties[key] = value;
    }
    QVariant property(PrintEnginePropertyKey key) const override { return m_properties.value(key); }
    bool newPage() override
    {
        ++m_nPages;
        return true;
    }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override
    {
        switch (metric)
        {
        case QPaintDevice::PdmWidth:
            return m_nWidth;
        case QPaintDevice::PdmHeight:
            return m_nHeight;
        case QPaintDevice::PdmWidthMM:
            return m_nWidth * 254 / (10 * m_nDpi);
        case QPaintDevice::PdmHeightMM:
            return m_nHeight * 254 / (10 * m_nDpi);
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY:
            return m_nDpi;
        case QPaintDevice::PdmNumColors:
            return INT_MAX;
        case QPaintDevice::PdmDepth:
            return 32;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }
    QPrinter::PrinterState printerState() const override { return m_state; }

private:
    int m_nWidth;
    int m_nHeight;
    int m_nDpi;
    QPrinter::PrinterState m_state = QPrinter::Idle;
    QHash<int, QVariant> m_properties;
};

// A printer drawing into a RecordingEngine (which must outlive it).
class RecordingPrinter : public QPrinter
{
public:
    explicit RecordingPrinter(RecordingEngine& engine) { setEngines(&engine, &engine); }
};

// A form whose print hooks the tests call as the preview and the printer do.
class PrintableForm : public CVesk4View
{
public:
    using CVesk4View::CVesk4View;
    using CVesk4View::OnPreparePrinting;
    using CVesk4View::OnPrint;
};

// Model 5 with `channels` channels in use on 150 MHz, both sides.
inline CRadioImage ImageWithChannels(int channels)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetModel(5));
    EXPECT_TRUE(image.SetWideReference(5000.0));
    EXPECT_TRUE(image.SetNarrowReference(6250.0));
    EXPECT_TRUE(image.SetInjection(1));
    for (int n = 0; n < channels; ++n)
    {
        EXPECT_TRUE(image.SetRxUnused(n, 0));
        EXPECT_TRUE(image.SetRxWord(n, 0x0A408));
        EXPECT_TRUE(image.SetTxUnused(n, 0));
        EXPECT_TRUE(image.SetTxWord(n, 0x0EA30));
    }
    return image;
}
