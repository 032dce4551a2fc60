// Value tables of the radio-wide options: DTMF tone timing and the group counts
// a radio of each capacity allows.
#pragma once

constexpr int kDtmfTimingCount = 8;

// Tone on and off times in milliseconds of a DTMF timing value 0..7; false for
// any other value.
bool DtmfTimes(int timing, int& onMsOut, int& offMsOut);

// The group counts that divide a radio's channels evenly. capacityMode 0 is a
// 120-channel radio, any other value a 320-channel one (as the application
// keeps its channel mode).
int GroupCountChoices(int capacityMode);
int GroupCountChoice(int capacityMode, int position); // -1 outside the list
bool IsAllowedGroupCount(int capacityMode, int count);
