// The sample configuration of the demonstration radio: what "vesk4 --demo"
// loads into the simulated radio, and a realistic image for the tests.
#pragma once

class CRadioImage;

// A VHF radio with its identity filled in and a dozen named channels with
// CTCSS and DCS signalling. False when the image refused one of its fields
// (the sample and the image disagree).
[[nodiscard]] bool BuildSampleImage(CRadioImage& image);
