// Messages of the channel checks, shared by the Channel form and anything else
// that turns typed channel entries into records.
#pragma once

namespace ChannelTexts
{
inline constexpr char kChannelNameError[] = "Channel name set error";
inline constexpr char kGroupNameError[] = "Group name set error";
inline constexpr char kChannelNumberError[] = "Channel number set error";
inline constexpr char kRxFrequencyError[] = "Receive Channel Freq set error";
inline constexpr char kTxFrequencyError[] = "Transmit Channel Freq set error";
inline constexpr char kRxSignallingError[] = "Receive Signaling Data set error";
inline constexpr char kTxSignallingError[] = "Transmit Signaling Data set error";
inline constexpr char kEepromSetError[] = "EEPROM Set Error!";
inline constexpr char kNotANumber[] = "Please enter a number.";
// Without a model there are no band edges, steps or IF to check against.
inline constexpr char kModelNotChosen[] =
    "No radio model is chosen. Choose the model on the Model form first.";
} // namespace ChannelTexts
