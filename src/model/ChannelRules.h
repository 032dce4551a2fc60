// The band rules a channel entry is checked and converted by: the model's band
// edges for each side, the wide and narrow steps and their grid, the injection
// side, and the conversions and spin steps that follow from them.
#pragma once

// std
#include <cstdint>
#include <string>

class CRadioImage;

// Taken from one image; until an image with a chosen model is loaded every
// check and conversion answers false, so nothing reads the band table with a
// model index that is not one.
class CChannelRules
{
public:
    // The model, the wide and narrow steps of its reference codes and the
    // injection side (high when bit 15 of the wide IF-offset word is set).
    // False when the image has no model chosen; the rules then hold no band.
    [[nodiscard]] bool LoadFromImage(const CRadioImage& image);

    bool HasModel() const { return m_nModel >= 0; }
    int GetModel() const { return m_nModel; } // -1 without a model
    bool IsHighInjection() const { return m_bHighInjection; }

    // The step of a bandwidth in kHz (2.5, 5.0, 6.25 or 12.5) and in MHz with
    // exactly five decimals; 0.0 without a model.
    double GetStepKhz(bool narrow) const;
    double GetStepMhz(bool narrow) const;

    // The band edges of a side in MHz, both inclusive; only the 800 MHz model
    // has transmit edges of its own.
    [[nodiscard]] bool GetBandEdges(bool transmit, double& lowOut, double& highOut) const;

    // A frequency the side may hold: 0 (the side unused), or one within the
    // side's edges that rounds to the bandwidth's step grid on the 10 Hz scale.
    [[nodiscard]] bool IsFrequencyAllowed(double mhz, bool transmit, bool narrow) const;

    // The synthesizer word of an allowed frequency (0 gives the unused word);
    // false for a frequency IsFrequencyAllowed refuses.
    [[nodiscard]] bool FrequencyToWord(double mhz, bool transmit, bool narrow,
                                       std::uint32_t& wordOut) const;

    // The frequency of a stored word, with the step of the channel's own
    // bandwidth.
    [[nodiscard]] bool WordToFrequency(std::uint32_t word, bool transmit, bool narrow,
                                       double& mhzOut) const;

    // One spin arrow on a frequency box (direction > 0 up): the next grid point,
    // an edge, or 0 below the low edge. transmitBox selects the 800 MHz transmit
    // edges.
    [[nodiscard]] bool StepFrequency(double mhz, int direction, bool narrow, bool transmitBox,
                                     double& mhzOut) const;

    // A frequency as the boxes show it, "%.5f" with a point whatever the locale.
    static std::string FormatFrequency(double mhz);

private:
    int m_nModel = -1;
    double m_dWideStepKhz = 0.0;
    double m_dNarrowStepKhz = 0.0;
    bool m_bHighInjection = false;
};
