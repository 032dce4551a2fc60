// Band edges, step grid and conversions of a channel entry.
#include "model/ChannelRules.h"

// model
#include "model/BandTable.h"
#include "model/RadioImage.h"
#include "model/Synthesizer.h"

// std
#include <charconv>
#include <cmath>

bool CChannelRules::LoadFromImage(const CRadioImage& image)
{
    *this = CChannelRules();
    int model = -1;
    if (!image.GetModel(model) || FindBand(model) == nullptr)
    {
        return false;
    }
    int wideCode = 0;
    int narrowCode = 0;
    (void)image.GetWideReferenceCode(model, wideCode);
    (void)image.GetNarrowReferenceCode(model, narrowCode);
    const double wide = StepKhz(model, wideCode);
    const double narrow = StepKhz(model, narrowCode);
    if (!(wide > 0.0) || !(narrow > 0.0))
    {
        return false;
    }
    int ifWord = 0;
    (void)image.GetWideIfOffset(ifWord);
    m_nModel = model;
    m_dWideStepKhz = wide;
    m_dNarrowStepKhz = narrow;
    m_bHighInjection = IsHighInjectionOffset(ifWord);
    return true;
}

double CChannelRules::GetStepKhz(bool narrow) const
{
    return narrow ? m_dNarrowStepKhz : m_dWideStepKhz;
}

double CChannelRules::GetStepMhz(bool narrow) const
{
    // Five decimals of a MHz, the 10 Hz scale the grid is counted on.
    return std::round(GetStepKhz(narrow) * 100.0) / 100000.0;
}

bool CChannelRules::GetBandEdges(bool transmit, double& lowOut, double& highOut) const
{
    const BandInfo* band = FindBand(m_nModel);
    if (band == nullptr)
    {
        return false;
    }
    lowOut = transmit ? band->txLow : band->rxLow;
    highOut = transmit ? band->txHigh : band->rxHigh;
    return true;
}

bool CChannelRules::IsFrequencyAllowed(double mhz, bool transmit, bool narrow) const
{
    double low = 0.0;
    double high = 0.0;
    if (!GetBandEdges(transmit, low, high))
    {
        return false;
    }
    if (mhz == 0.0)
    {
        return true;
    }
    return mhz >= low && mhz <= high && IsOnStepGrid(mhz, GetStepKhz(narrow));
}

bool CChannelRules::FrequencyToWord(double mhz, bool transmit, bool narrow,
                                    std::uint32_t& wordOut) const
{
    if (!IsFrequencyAllowed(mhz, transmit, narrow))
    {
        return false;
    }
    wordOut = ::FrequencyToWord(mhz, transmit, m_nModel, GetStepKhz(narrow), m_bHighInjection);
    return true;
}

bool CChannelRules::WordToFrequency(std::uint32_t word, bool transmit, bool narrow,
                                    double& mhzOut) const
{
    if (!HasModel())
    {
        return false;
    }
    mhzOut = ::WordToFrequency(word, transmit, m_nModel, GetStepKhz(narrow), m_bHighInjection);
    return true;
}

bool CChannelRules::StepFrequency(double mhz, int direction, bool narrow, bool transmitBox,
                                  double& mhzOut) const
{
    if (!HasModel() || !std::isfinite(mhz))
    {
        return false;
    }
    mhzOut = ::StepFrequency(mhz, direction, m_nModel, GetStepKhz(narrow), transmitBox);
    return true;
}

std::string CChannelRules::FormatFrequency(double mhz)
{
    // Independent of the locale, so the text reads back with the text readers
    // whatever decimal mark the desktop uses.
    char text[400];
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text, mhz, std::chars_format::fixed, 5);
    return result.ec == std::errc() ? std::string(text, result.ptr) : std::string();
}
