// Channel plans as comma-separated files in the generic column layout that
// other radio programming tools read and write: one row per channel, the
// receive frequency with the transmit side as duplex and offset, the
// signalling pair as a tone mode, and the radio's own switches in the comment.
//
// Columns written, in this order (the last four stay empty):
//   Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq,
//   DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power,
//   Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE
//
// Comment: what has no column of its own, as "{item item ...}" with any of
// compander, dtone, ani, scanB (a member of scan group B), scrambler (each
// present = enabled) and aux=BBBBBBBB (the auxiliary bits, bit 7 first; absent
// = 11111111). Text outside the braces is ignored, so a comment of one's own
// may stand before them.
#pragma once

// std
#include <string>
#include <string_view>
#include <vector>

class CRadioImage;

// Why a row, the header or the file was refused.
struct PlanProblem
{
    int line = 0;       // 0: the file as a whole
    std::string column; // empty: the row or header as a whole
    std::string reason;

    // "line 7, column Frequency: reason"
    std::string Text() const;
};

class CChannelPlanCsv
{
public:
    static const std::vector<std::string>& Columns();

    // The plan of channels 1..capacity whose receive side is in use. notesOut
    // names every channel that an import of the plan would refuse or write
    // differently from the image (a code outside the table, a frequency off the
    // band, bits the columns cannot carry). False, with textOut empty, when the
    // image has no model chosen: its frequencies cannot be worked out.
    [[nodiscard]] static bool Export(const CRadioImage& image, int capacity, std::string& textOut,
                                     std::vector<std::string>& notesOut);

    // Channels 1..capacity in use whose CTCSS tones are not in the common
    // fifty-tone list. The radio's table has three that the list lacks, and
    // programs that keep to the list refuse a row naming one.
    static std::vector<std::string> UncommonToneNotes(const CRadioImage& image, int capacity);

    // Reads a plan into the channels of image, every row checked by the
    // Channel form's rules and held within 1..capacity. Columns may come in any
    // order; unknown ones are ignored. Channels the plan does not list become
    // empty unless merge keeps them. False, with image unchanged and every
    // problem found in problemsOut, when any row (or the header) is refused.
    [[nodiscard]] static bool Import(std::string_view text, int capacity, bool merge,
                                     CRadioImage& image, std::vector<PlanProblem>& problemsOut);

    // Import of the rows that pass, for a user who chose to take the rest of
    // a plan with refused rows: every refused row is in problemsOut, and the
    // channel a refused row names keeps what it held rather than being
    // emptied. False, with image unchanged, when the file or its header is
    // refused, so that no row can be read.
    [[nodiscard]] static bool ImportAccepted(std::string_view text, int capacity, bool merge,
                                             CRadioImage& image,
                                             std::vector<PlanProblem>& problemsOut);

private:
    static bool ImportRows(std::string_view text, int capacity, bool merge, bool skipRefused,
                           CRadioImage& image, std::vector<PlanProblem>& problemsOut);
};
