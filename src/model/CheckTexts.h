// Texts of the check an image passes before it is written to a radio: the
// fields each finding names, spelled as the forms label them, and what is
// wrong with them.
#pragma once

namespace CheckTexts
{
// How a finding starts; channel findings then name the channel.
inline constexpr char kError[] = "Error";
inline constexpr char kWarning[] = "Warning";
inline constexpr char kChannel[] = "channel %d";

// Fields, as the Model, Option, Channel and 2-Tone forms label them.
inline constexpr char kModel[] = "Model";
inline constexpr char kGroupCount[] = "Group Count";
inline constexpr char kChannelNumber[] = "Channel Number";
inline constexpr char kReceiveFreq[] = "Receive Freq";
inline constexpr char kTransmitFreq[] = "Transmit Freq";
inline constexpr char kReceiveSignaling[] = "Receive Signaling Type";
inline constexpr char kTransmitSignaling[] = "Transmit Signaling Type";
inline constexpr char kAlphaCharacter[] = "Alpha Character";
inline constexpr char k1stTone[] = "1st Tone Freq";
inline constexpr char k2ndTone[] = "2nd Tone Freq";
inline constexpr char k3rdTone[] = "3rd Tone Freq";
inline constexpr char kGroupFor1st[] = "Group For 1st Tone";
inline constexpr char kAniNumber[] = "ANI Number";

// Errors: the radio would be given something it cannot use.
inline constexpr char kOutOfBand[] = "%s MHz is outside %g\xE2\x80\x93%g MHz, the %s band of %s";
inline constexpr char kReceiveBand[] = "receive";
inline constexpr char kTransmitBand[] = "transmit";
inline constexpr char kOffGrid[] =
    "synthesizer word 0x%05X is not that of a frequency on the %g kHz grid of this model";
inline constexpr char kNoFrequency[] = "the side is in use but holds no frequency";
inline constexpr char kBadCtcss[] = "CTCSS index %d is not one of the %d tones of the table";
inline constexpr char kBadDcs[] = "DCS code %s is not one of the %d codes of the table";
inline constexpr char kBadGroupCount[] = "%d is outside 1..40";
inline constexpr char kBadTwoTone[] = "tone index %d is not in the %d tones of %s";
inline constexpr char kBadToneGroups[] = "the groups %d and %d are not a group pair of %s";
inline constexpr char kToneNotInGroup[] = "tone index %d is not one of group %d";

// Warnings: the radio takes it, but the technician should hear of it first.
inline constexpr char kSameReceive[] =
    "%s MHz with the same receive signalling as channel %d; the two cannot be told apart";
inline constexpr char kSameName[] = "\"%s\" is the name of channel %d too";
inline constexpr char kNoName[] = "the channel transmits but has no name";
inline constexpr char kUncommonTone[] =
    "CTCSS %.1f Hz is not carried by most other radios and programs";
inline constexpr char kTransmitOnly[] =
    "the transmit side is set but there is no receive frequency, so the radio takes the "
    "channel as empty";
inline constexpr char kBadCheckValue[] =
    "the record's check value is %d where its frequencies give %d, so it was changed outside "
    "the forms; the radio may take the channel as damaged";
inline constexpr char kUnevenGroups[] =
    "%d does not divide the %d channels evenly; channels %d to %d fall in a group %d past "
    "the count";
inline constexpr char kBadAni[] =
    "holds characters other than digits, # and *, which the radio cannot send";
inline constexpr char kNoChannels[] = "no channel is in use";
inline constexpr char kEmptyGroups[] = "no channel in use in group %s";
inline constexpr char kBeyondCapacity[] =
    "%d channels in use above channel %d; a radio of %d channels does not hold them";
} // namespace CheckTexts
