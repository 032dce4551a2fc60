// The radio image: block access, defaults, the dump-file body and the fields
// of the EEPROM, each over its entry in ImageFields.h.
#include "model/RadioImage.h"

// model
#include "model/ByteCodec.h"
#include "model/Calendar.h"
#include "model/Clock.h"
#include "model/DumpFile.h"

// std
#include <cmath>
#include <cstring>

namespace
{
constexpr double kReferenceHz = 12.8e6;
} // namespace

CRadioImage::CRadioImage()
{
    std::memset(m_backup.image, 0xFF, sizeof m_backup.image);
    std::memset(m_work.image, 0xFF, sizeof m_work.image);
    Reset();
}

// ---- whole image ---------------------------------------------------------------

bool CRadioImage::Reset()
{
    std::memset(m_work.image, 0xFF, sizeof m_work.image);
    m_work.size = kBlockSize;
    // A fresh image carries zeros in the reserved words so that a first save is
    // deterministic; loading a file brings back whatever the file held.
    std::memset(m_work.reserved1, 0, sizeof m_work.reserved1);
    std::memset(m_work.reserved2, 0, sizeof m_work.reserved2);

    (void)SetSerialNumber(" ");
    (void)SetCustomer(" ");
    const LocalDate today = Today();
    (void)SetDate(today.year, today.month, today.day);
    (void)SetWideReference(5000.0);
    (void)SetNarrowReference(6250.0);
    (void)SetModel(-1);

    (void)SetTwoToneUnused(1);
    (void)SetTwoToneFormat(3);
    (void)SetFirstToneIndex(0);
    (void)SetSecondToneIndex(0);
    (void)SetThirdToneIndex(0);
    (void)SetAniNumber("          ");

    for (int n = 0; n < kChannelCount; ++n)
    {
        (void)ResetChannel(n);
    }
    for (int g = 0; g < kGroupNameCount; ++g)
    {
        (void)SetGroupName(g, "            ");
    }

    (void)SetScanType(3);
    (void)SetScanHoldOnRx(1);
    (void)SetScanHoldAfterTx(2);
    (void)SetScanListClear(3);
    (void)SetScanHoldBy(1);
    (void)SetScanHoldAt(1);
    (void)SetPriorityCycle(1);
    (void)SetPriorityTime(2);
    (void)SetDefeatPriority2(1);
    (void)SetDtmfTiming(0);
    (void)SetChannelRollOver(1);
    (void)SetTimeOutTimer(7);
    (void)SetMicOffHookScanStop(1);
    (void)SetBusyLockout(3);
    (void)SetBeeps(1, 1, 1, 1);
    (void)SetGroupCount(0, 1);
    (void)SetTxHighPowerLevel(0);
    (void)SetTxLowPowerLevel(0);
    (void)SetSqVolume(0);
    (void)SetTxToneLevel(0);
    (void)SetDtmfLowToneLevel(0);
    (void)SetModulationSensitivity(0);
    (void)SetWideModulation(0);
    (void)SetNarrowModulation(0);
    (void)SetWideDemodulation(0);
    (void)SetNarrowDemodulation(0);

    (void)SetFixedBits();
    std::memcpy(m_backup.image, m_work.image, sizeof m_work.image);
    return true;
}

bool CRadioImage::ResetChannel(int n)
{
    if (!IsChannel(n))
    {
        return false;
    }
    (void)SetChannelName(n, "            ");
    (void)SetWide(n, 1);
    (void)SetRxUnused(n, 1);
    (void)SetRxWord(n, kUnusedWord);
    (void)SetRxSignallingNone(n, 1);
    (void)SetRxSignallingType(n, 1);
    (void)SetRxDcs(n, 1, 511);
    (void)SetTxUnused(n, 1);
    (void)SetTxWord(n, kUnusedWord);
    (void)SetTxSignallingNone(n, 1);
    (void)SetTxSignallingType(n, 1);
    (void)SetTxDcs(n, 1, 511);
    (void)SetTxPower(n, 1);
    (void)SetScrambler(n, 1);
    (void)SetCompander(n, 1);
    (void)SetDTone(n, 1);
    (void)SetAniEnable(n, 1);
    (void)SetScanGroupA(n, 1);
    (void)SetScanGroupB(n, 1);
    (void)SetAuxData(n, 255);
    return true;
}

bool CRadioImage::ClearUpperChannels()
{
    for (int n = 120; n < kChannelCount; ++n)
    {
        (void)ResetChannel(n);
    }
    return true;
}

bool CRadioImage::SetFixedBits()
{
    for (const ImageFixedBits& fixed : F::kFixedBits)
    {
        PutBits(0, fixed.field, static_cast<std::uint32_t>(fixed.value));
    }
    return true;
}

bool CRadioImage::ReadBlock(std::uint8_t* dest, std::uint32_t offset, std::uint32_t length) const
{
    // Compared this way round so that a huge offset or length cannot wrap.
    if (offset > kImageSize || length > kImageSize - offset)
    {
        return false;
    }
    if (length == 0)
    {
        return true;
    }
    if (dest == nullptr)
    {
        return false;
    }
    std::memcpy(dest, m_work.image + offset, length);
    return true;
}

bool CRadioImage::WriteBlock(const std::uint8_t* source, std::uint32_t offset, std::uint32_t length)
{
    if (offset > kImageSize || length > kImageSize - offset)
    {
        return false;
    }
    if (length == 0)
    {
        return true;
    }
    if (source == nullptr)
    {
        return false;
    }
    std::memmove(m_work.image + offset, source, length);
    return true;
}

std::int32_t CRadioImage::CapacityCodeToSave(const IAppState& app)
{
    const std::int32_t code = app.GetChannelCode();
    // A file without a code was loaded, and shown, as 120 channels, yet a
    // written -1 would load back as mode -2, that is 320 channels: it gets the
    // code of the capacity it was shown with. A file that really holds -1
    // (mode -2) keeps it, as every other code is kept.
    if (code == -1 && app.GetChannelMode() == 0)
    {
        return 1;
    }
    return code;
}

bool CRadioImage::SaveToFile(const std::string& path, const IAppState& app) const
{
    return WriteDumpFile(path, m_work, CapacityCodeToSave(app));
}

bool CRadioImage::LoadFromFile(const std::string& path, IAppState& app, DumpFileStatus* status)
{
    ImageBlock block;
    const DumpFileRead read = ReadDumpFile(path, block);
    if (status != nullptr)
    {
        *status = read.status;
    }
    if (!read.opened)
    {
        return false;
    }
    const bool loaded = read.status == DumpFileStatus::Loaded;
    if (!loaded)
    {
        app.ReportReadError();
    }
    else if (read.hasCode)
    {
        app.SetChannelCode(read.code);
        // Taken unchecked; computed unsigned so that the lowest code cannot overflow.
        app.SetChannelMode(static_cast<std::int32_t>(static_cast<std::uint32_t>(read.code) - 1U));
    }
    else
    {
        app.SetChannelCode(-1);
        app.SetChannelMode(0);
    }
    if (loaded)
    {
        m_work = block;
    }
    DeriveInjection();
    return loaded;
}

// ---- byte packing and nibble codecs ----------------------------------------------

int CRadioImage::PackBigEndian(std::uint32_t value, std::uint8_t* dest, int count)
{
    return ByteCodec::PackBigEndian(value, dest, count);
}

bool CRadioImage::EncodeHexNibbles(std::string_view text, std::uint8_t* dest, int count)
{
    ByteCodec::EncodeHex(text, dest, count);
    return true;
}

bool CRadioImage::EncodeDtmfNibbles(std::string_view text, std::uint8_t* dest, int count)
{
    ByteCodec::EncodeDtmf(text, dest, count);
    return true;
}

bool CRadioImage::DecodeHexNibbles(std::string& textOut, const std::uint8_t* source, int& count)
{
    ByteCodec::DecodeHex(textOut, source, count);
    return true;
}

bool CRadioImage::DecodeDtmfNibbles(std::string& textOut, const std::uint8_t* source, int& count)
{
    return ByteCodec::DecodeDtmf(textOut, source, count);
}

// ---- field primitives ------------------------------------------------------------

std::uint32_t CRadioImage::Bits(std::uint32_t base, const ImageField& field) const
{
    const std::uint8_t* bytes = m_work.image + base + field.offset;
    std::uint32_t value = 0;
    for (int i = 0; i < field.bytes; ++i)
    {
        value = (value << 8) | bytes[i];
    }
    return (value >> field.shift) & field.Mask();
}

void CRadioImage::PutBits(std::uint32_t base, const ImageField& field, std::uint32_t value)
{
    std::uint8_t* bytes = m_work.image + base + field.offset;
    std::uint32_t whole = 0;
    for (int i = 0; i < field.bytes; ++i)
    {
        whole = (whole << 8) | bytes[i];
    }
    const std::uint32_t mask = field.Mask() << field.shift;
    whole = (whole & ~mask) | ((value << field.shift) & mask);
    ByteCodec::PackBigEndian(whole, bytes, field.bytes);
}

void CRadioImage::PutBytes(std::uint32_t base, const ImageField& field, std::uint32_t value)
{
    ByteCodec::PackBigEndian((value & field.Mask()) << field.shift,
                             m_work.image + base + field.offset, field.bytes);
}

bool CRadioImage::SetBits(const ImageField& field, std::int64_t value)
{
    if (value < 0 || value > field.Limit())
    {
        return false;
    }
    PutBits(0, field, static_cast<std::uint32_t>(value));
    return true;
}

bool CRadioImage::SetByte(const ImageField& field, std::int64_t value)
{
    if (value < 0 || value > field.Limit())
    {
        return false;
    }
    PutBytes(0, field, static_cast<std::uint32_t>(value));
    return true;
}

bool CRadioImage::StoreBits(const ImageField& field, int value)
{
    PutBits(0, field, static_cast<std::uint32_t>(value) & field.Mask());
    return true;
}

bool CRadioImage::GetBits(const ImageField& field, int& valueOut) const
{
    valueOut = static_cast<int>(Bits(0, field));
    return true;
}

bool CRadioImage::GetValid(const ImageField& field, int& valueOut) const
{
    const auto value = static_cast<int>(Bits(0, field));
    if (field.valid >= 0 && value > field.valid)
    {
        valueOut = -1;
        return false;
    }
    valueOut = value;
    return true;
}

std::uint32_t CRadioImage::RecordStart(int n)
{
    return F::kChannels + static_cast<std::uint32_t>(n) * kChannelRecordSize;
}

bool CRadioImage::SetAt(int n, const ImageField& field, std::int64_t value)
{
    if (!IsChannel(n) || value < 0 || value > field.Limit())
    {
        return false;
    }
    PutBits(RecordStart(n), field, static_cast<std::uint32_t>(value));
    return true;
}

bool CRadioImage::GetLimited(int n, const ImageField& field, int& valueOut) const
{
    return GetAt(n, field, valueOut) && static_cast<std::uint32_t>(valueOut) <= field.Limit();
}

bool CRadioImage::SetDcs(int n, const ImageField& inverted, const ImageField& code, int flag,
                         int value)
{
    if (!IsChannel(n) || flag < 0 || static_cast<std::uint32_t>(flag) > inverted.Limit() ||
        value < 0 || static_cast<std::uint32_t>(value) > code.Limit())
    {
        return false;
    }
    PutBits(RecordStart(n), inverted, static_cast<std::uint32_t>(flag));
    PutBits(RecordStart(n), code, static_cast<std::uint32_t>(value));
    return true;
}

// ---- identification ----------------------------------------------------------------

bool CRadioImage::SetHex(const ImageSpan& span, std::string_view text)
{
    if (text.size() > static_cast<std::size_t>(2 * span.size))
    {
        return false;
    }
    std::uint8_t* dest = m_work.image + span.offset;
    std::memset(dest, 0xFF, static_cast<std::size_t>(span.size));
    ByteCodec::EncodeHex(text, dest, static_cast<int>(text.size()));
    return true;
}

bool CRadioImage::GetHex(const ImageSpan& span, std::string& textOut) const
{
    int count = 2 * span.size;
    ByteCodec::DecodeHex(textOut, m_work.image + span.offset, count);
    return true;
}

bool CRadioImage::SetDate(int year, int month, int day)
{
    // Each part is written only when it fits its digits; otherwise that part is
    // left blank (0xFF), which GetDate reads back as invalid. So the field can
    // never spill past its four bytes, whatever the arguments.
    ByteCodec::EncodeDate(year, month, day, m_work.image + F::kDate.offset);
    return true;
}

bool CRadioImage::GetDate(int& yearOut, int& monthOut, int& dayOut) const
{
    int year = 0;
    int month = 0;
    int day = 0;
    ByteCodec::DecodeDate(m_work.image + F::kDate.offset, year, month, day);
    bool ok = true;
    const LocalDate today = Today();
    if (year < kFirstDateYear || year > kLastDateYear)
    {
        year = today.year;
        ok = false;
    }
    if (month < 1 || month > 12)
    {
        month = today.month;
        ok = false;
    }
    if (day < 1 || day > 31)
    {
        day = today.day;
        ok = false;
    }
    yearOut = year;
    monthOut = month;
    dayOut = day;
    return ok;
}

// ---- model header ------------------------------------------------------------------

bool CRadioImage::SetReference(const ImageField& field, double stepHz)
{
    if (!(stepHz >= 0.0001))
    {
        return false;
    }
    const double r = std::trunc(kReferenceHz / stepHz + 0.5);
    // A divider that does not fit the field would be stored mangled.
    if (r < 1.0 || r > field.Limit())
    {
        return false;
    }
    PutBytes(0, field, static_cast<std::uint32_t>(r));
    return true;
}

bool CRadioImage::GetReferenceCode(const ImageField& field, int model, int& codeOut) const
{
    const std::uint32_t divider = Bits(0, field);
    codeOut = 0;
    if (divider == 0)
    {
        return true;
    }
    const auto step = static_cast<std::uint16_t>(
        static_cast<std::uint32_t>(std::trunc(kReferenceHz / divider + 0.5)));
    if (model == 13)
    {
        codeOut = step == 12500 ? 2 : step == 6250 ? 1 : 0;
    }
    else if (model >= 8 && model <= 12)
    {
        codeOut = step == 6250 ? 1 : 0;
    }
    else
    {
        codeOut = step == 6250 ? 2 : step == 5000 ? 1 : 0;
    }
    return true;
}

void CRadioImage::DeriveInjection()
{
    const bool negative = Bits(0, F::kWideIfSign) != 0;
    (void)SetInjection(negative ? 0 : 1);
}

// ---- 2-tone and ANI -----------------------------------------------------------------

bool CRadioImage::SetTwoToneGroups(int first, int second)
{
    if (first < 0 || static_cast<std::uint32_t>(first) > F::kFirstToneGroup.Limit() || second < 0 ||
        static_cast<std::uint32_t>(second) > F::kSecondToneGroup.Limit())
    {
        return false;
    }
    PutBits(0, F::kFirstToneGroup, static_cast<std::uint32_t>(first));
    PutBits(0, F::kSecondToneGroup, static_cast<std::uint32_t>(second));
    return true;
}

bool CRadioImage::GetTwoToneGroups(int& firstOut, int& secondOut) const
{
    return GetBits(F::kFirstToneGroup, firstOut) && GetBits(F::kSecondToneGroup, secondOut);
}

bool CRadioImage::SetAniNumber(std::string_view text)
{
    const ImageSpan& ani = F::kAniNumber;
    if (text.size() > static_cast<std::size_t>(2 * ani.size))
    {
        return false;
    }
    std::uint8_t* dest = m_work.image + ani.offset;
    std::memset(dest, 0xFF, static_cast<std::size_t>(ani.size));
    ByteCodec::EncodeDtmf(text, dest, static_cast<int>(text.size()));
    return true;
}

bool CRadioImage::GetAniNumber(std::string& textOut) const
{
    std::string text;
    int count = 2 * F::kAniNumber.size;
    if (!ByteCodec::DecodeDtmf(text, m_work.image + F::kAniNumber.offset, count))
    {
        return false;
    }
    textOut = text;
    return true;
}

// ---- channel records and group names -----------------------------------------------

bool CRadioImage::UpdateCheck(int n)
{
    if (!IsChannel(n))
    {
        return false;
    }
    // Modulo 16, the nibbles of both synthesizer words: the low nibble of each
    // word's first byte (the unused flag and the word's top bits) and both
    // nibbles of the bytes after it.
    const std::uint8_t* record = m_work.image + RecordStart(n);
    unsigned sum = 0;
    for (const ImageField& word : {F::kRxWord, F::kTxWord})
    {
        sum += record[word.offset];
        for (int i = 1; i < word.bytes; ++i)
        {
            const unsigned byte = record[word.offset + static_cast<std::uint32_t>(i)];
            sum += byte + (byte >> 4);
        }
    }
    PutBytes(RecordStart(n), F::kCheck, 16 - (sum & 15));
    return true;
}

bool CRadioImage::SetName(std::uint32_t offset, std::string_view text)
{
    if (text.size() > kNameLength)
    {
        return false;
    }
    std::uint8_t* dest = m_work.image + offset;
    std::memset(dest, 0, kNameLength);
    std::memcpy(dest, text.data(), text.size());
    return true;
}

void CRadioImage::GetName(std::uint32_t offset, std::string& textOut) const
{
    char buffer[kNameLength + 2] = {};
    std::memcpy(buffer, m_work.image + offset, kNameLength);
    textOut = buffer;
}

bool CRadioImage::SetChannelName(int n, std::string_view text)
{
    return IsChannel(n) && SetName(RecordStart(n) + F::kChannelName.offset, text);
}

bool CRadioImage::GetChannelName(int n, std::string& textOut) const
{
    if (!IsChannel(n))
    {
        return false;
    }
    GetName(RecordStart(n) + F::kChannelName.offset, textOut);
    return true;
}

bool CRadioImage::SetGroupName(int g, std::string_view text)
{
    if (g < 0 || g >= kGroupNameSlots)
    {
        return false;
    }
    return SetName(F::kGroupNames + static_cast<std::uint32_t>(g) * kNameLength, text);
}

bool CRadioImage::GetGroupName(int g, std::string& textOut) const
{
    if (g < 0 || g >= kGroupNameSlots)
    {
        return false;
    }
    GetName(F::kGroupNames + static_cast<std::uint32_t>(g) * kNameLength, textOut);
    return true;
}

// ---- options ------------------------------------------------------------------------

bool CRadioImage::SetBeeps(int a, int b, int c, int d)
{
    const int values[] = {a, b, c, d};
    const ImageField* fields[] = {&F::kBeepA, &F::kBeepB, &F::kBeepC, &F::kBeepD};
    for (int i = 0; i < 4; ++i)
    {
        if (values[i] < 0 || static_cast<std::uint32_t>(values[i]) > fields[i]->Limit())
        {
            return false;
        }
    }
    for (int i = 0; i < 4; ++i)
    {
        PutBits(0, *fields[i], static_cast<std::uint32_t>(values[i]));
    }
    return true;
}

bool CRadioImage::GetBeeps(int& aOut, int& bOut, int& cOut, int& dOut) const
{
    return GetBits(F::kBeepA, aOut) && GetBits(F::kBeepB, bOut) && GetBits(F::kBeepC, cOut) &&
           GetBits(F::kBeepD, dOut);
}

bool CRadioImage::SetGroupCount(int capacityCode, int count)
{
    // The capacity code is 0 or 1, checked and not stored.
    return (capacityCode == 0 || capacityCode == 1) && SetByte(F::kGroupCount, count);
}

bool CRadioImage::GetGroupCount(int& bigFlagOut, int& countOut) const
{
    countOut = static_cast<int>(Bits(0, F::kGroupCount));
    if (countOut > F::kGroupCount.valid)
    {
        return false;
    }
    bigFlagOut = (countOut == 10 || countOut == 15) ? 1 : 0;
    return true;
}
