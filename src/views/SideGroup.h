// One side of a channel (receive or transmit) as the Channel and Test forms
// lay it out: a titled group with the frequency box and its unit, then the
// signalling box, each labelled and named by its label.
#pragma once

class CFrequencyBox;
class CSignallingBox;
class QGroupBox;
class QWidget;

QGroupBox* MakeSideGroup(QWidget* parent, const char* title, const char* freqLabel,
                         CFrequencyBox* frequency, const char* typeLabel,
                         CSignallingBox* signalling);
