// Texts of the image comparison and of CSV channel plans: the names the
// comparison gives each field and the reasons a plan's row is refused.
#pragma once

namespace PlanTexts
{
// Between the two values of a comparison line.
inline constexpr char kArrow[] = " \xE2\x86\x92 ";

// Field names of the comparison.
inline constexpr char kCapacity[] = "capacity";
inline constexpr char kSerialNumber[] = "serial number";
inline constexpr char kCustomer[] = "customer";
inline constexpr char kDate[] = "date";
inline constexpr char kModel[] = "model";
inline constexpr char kWideStep[] = "wide reference step";
inline constexpr char kNarrowStep[] = "narrow reference step";
inline constexpr char kWideIf[] = "wide IF offset";
inline constexpr char kNarrowIf[] = "narrow IF offset";
inline constexpr char kInjection[] = "injection";
inline constexpr char kScanHoldOnRx[] = "scan hold on receive";
inline constexpr char kScanHoldAfterTx[] = "scan hold after transmit";
inline constexpr char kScanListClear[] = "scan list clear";
inline constexpr char kScanHoldBy[] = "scan hold by";
inline constexpr char kScanHoldAt[] = "scan hold at";
inline constexpr char kScanType[] = "scan type";
inline constexpr char kRollOver[] = "channel roll-over";
inline constexpr char kPriorityCycle[] = "priority monitor cycle";
inline constexpr char kBeep[] = "beep %c";
inline constexpr char kPriorityTime[] = "priority monitor time";
inline constexpr char kTwoTone[] = "2-tone";
inline constexpr char kTwoToneFormat[] = "2-tone format";
inline constexpr char kDtmfTiming[] = "DTMF timing";
inline constexpr char kBusyLockout[] = "busy channel lock-out";
inline constexpr char kTimeOut[] = "time-out timer";
inline constexpr char kScanStop[] = "mic off-hook scan stop";
inline constexpr char kDefeatPriority2[] = "defeat priority 2 channel";
inline constexpr char kFirstToneGroup[] = "2-tone first group";
inline constexpr char kSecondToneGroup[] = "2-tone second group";
inline constexpr char kFirstTone[] = "2-tone first tone";
inline constexpr char kSecondTone[] = "2-tone second tone";
inline constexpr char kThirdTone[] = "2-tone third tone";
inline constexpr char kGroupCount[] = "group count";
inline constexpr char kAni[] = "ANI number";
inline constexpr char kGroupName[] = "group %d name";
inline constexpr char kChannel[] = "ch %d ";
inline constexpr char kChannelName[] = "name";
inline constexpr char kRxFrequency[] = "receive frequency";
inline constexpr char kTxFrequency[] = "transmit frequency";
inline constexpr char kRxSignalling[] = "receive signalling";
inline constexpr char kTxSignalling[] = "transmit signalling";
inline constexpr char kBandwidth[] = "bandwidth";
inline constexpr char kPower[] = "power";
inline constexpr char kScrambler[] = "scrambler";
inline constexpr char kCompander[] = "compander";
inline constexpr char kDTone[] = "DTone";
inline constexpr char kAniSwitch[] = "ANI";
inline constexpr char kScanGroupA[] = "scan group A";
inline constexpr char kScanGroupB[] = "scan group B";
inline constexpr char kCheckValue[] = "check value";
inline constexpr char kAuxBits[] = "auxiliary bits";
inline constexpr char kAddress[] = "address 0x%04X";
inline constexpr char kByte[] = "0x%02X";

// Values of the comparison.
inline constexpr char kNone[] = "none";
inline constexpr char kUnused[] = "unused";
inline constexpr char kUsed[] = "used";
inline constexpr char kEnabled[] = "enabled";
inline constexpr char kDisabled[] = "disabled";
inline constexpr char kWide[] = "wide";
inline constexpr char kNarrow[] = "narrow";
inline constexpr char kNormalPower[] = "normal";
inline constexpr char kReducedPower[] = "reduced";
inline constexpr char kMember[] = "member";
inline constexpr char kNotMember[] = "not a member";
inline constexpr char kWord[] = "word 0x%05X";
inline constexpr char kCtcss[] = "CTCSS %.1f Hz";
inline constexpr char kCtcssIndex[] = "CTCSS index %d";
inline constexpr char kDcs[] = "DCS %s";
inline constexpr char kKhz[] = "%g kHz";
inline constexpr char kDivider[] = "divider %d";
inline constexpr char kDtmfTimes[] = "%d/%d ms";

// Reasons a row of a plan is refused; each follows "line N, column C: ".
inline constexpr char kLine[] = "line %d";
inline constexpr char kColumn[] = ", column %s";
inline constexpr char kNoHeader[] = "the file has no header row";
inline constexpr char kMissingColumn[] = "the header has no %s column";
inline constexpr char kDuplicateColumn[] = "the column %s appears twice in the header";
inline constexpr char kOpenQuote[] = "a quoted field is not closed";
inline constexpr char kTooManyFields[] = "the row has more fields than the header";
inline constexpr char kNotAChannel[] = "Channel number set error: '%s' is not a channel of 1..%d";
inline constexpr char kChannelTwice[] = "channel %d is already on line %d";
inline constexpr char kBadMode[] = "'%s' is not FM or NFM";
inline constexpr char kBadDuplex[] = "'%s' is not \"\", \"+\", \"-\", \"split\" or \"off\"";
inline constexpr char kBadToneMode[] = "'%s' is not \"\", Tone, TSQL, DTCS or Cross";
inline constexpr char kBadCrossMode[] = "'%s' is not a cross mode this radio has";
inline constexpr char kBadTone[] = "%s: %s Hz is not one of the radio's CTCSS tones";
inline constexpr char kBadPolarity[] = "'%s' is not NN, NR, RN or RR";
inline constexpr char kBadSkip[] = "'%s' is not \"\", S or P";
inline constexpr char kBadPower[] = "'%s' is not High or Low";
inline constexpr char kBadComment[] = "'%s' is not compander, dtone, ani, scanB, scrambler or "
                                      "aux= with eight binary digits";
inline constexpr char kOpenBrace[] = "the {...} of the comment is not closed";
inline constexpr char kWithValue[] = "%s ('%s')";
// The rule a refused frequency broke, after the form's message.
inline constexpr char kOffGrid[] = ": not on the %g kHz grid of this radio";
inline constexpr char kOutOfBand[] = ": outside %g\xE2\x80\x93%g MHz, the %s band of this model";
inline constexpr char kReceiveBand[] = "receive";
inline constexpr char kTransmitBand[] = "transmit";
// Notes of an export about channels the plan cannot carry as they are.
inline constexpr char kNotCarried[] =
    "ch %d: the record holds bits the plan cannot carry; an import writes it differently";
inline constexpr char kNotImportable[] = "ch %d: %s; an import refuses this row";
inline constexpr char kUncommonTone[] =
    "ch %d: CTCSS %.1f Hz is not in the common tone list; programs that keep to that list "
    "refuse this row";
} // namespace PlanTexts
