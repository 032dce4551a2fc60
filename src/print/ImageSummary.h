// A short summary of a radio image for the command line: model, identification,
// capacity and how many channels are in use.
#pragma once

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// std
#include <string>
#include <vector>

class CImageSummary
{
public:
    // One "label : value" line each for model, serial number, customer, date,
    // capacity and channels in use (counted as the report lists them).
    static std::vector<std::string> BuildLines(const CRadioImage& image, const IAppState& app);
};
