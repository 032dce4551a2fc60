// The radio image: block access, codecs, identification fields, defaults, the
// dump-file body and every bit field of the EEPROM.
#include "model/RadioImage.h"

// model
#include "model/Calendar.h"
#include "model/Clock.h"
#include "model/FileAccess.h"
#include "model/TextReaders.h"

// std
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace
{
constexpr double kReferenceHz = 12.8e6;
constexpr std::uint32_t kWordMask = 0x7FFFF;
constexpr int kRxSide = 0;
constexpr int kTxSide = 4; // transmit bytes repeat the receive layout four bytes on

// Alignment bytes, in the order the radio also keeps them in its RAM.
constexpr std::uint32_t kTxHighPower = ImageMap::kAlignment + 0;
constexpr std::uint32_t kTxLowPower = ImageMap::kAlignment + 1;
constexpr std::uint32_t kSqVolume = ImageMap::kAlignment + 2;
constexpr std::uint32_t kTxTone = ImageMap::kAlignment + 3;
constexpr std::uint32_t kDtmfLowTone = ImageMap::kAlignment + 4;
constexpr std::uint32_t kModSensitivity = ImageMap::kAlignment + 5;
constexpr std::uint32_t kWideMod = ImageMap::kAlignment + 6;
constexpr std::uint32_t kNarrowMod = ImageMap::kAlignment + 7;
constexpr std::uint32_t kWideDemod = ImageMap::kAlignment + 8;
constexpr std::uint32_t kNarrowDemod = ImageMap::kAlignment + 9;

constexpr int kSqVolumeMax = 80;

bool IsFlag(int v)
{
    return v == 0 || v == 1;
}

bool IsValidChannel(int n)
{
    return n >= 0 && n < kChannelCount;
}

std::uint32_t ChannelOffset(int n)
{
    return ImageMap::kChannels + static_cast<std::uint32_t>(n) * kChannelRecordSize;
}

// Encoding never fails: a character the code has no nibble for is stored as
// the blank nibble 15 (so is "F", which is 15 already).
int HexNibbleCode(char c)
{
    int nibble = 15;
    return ReadHexNibble(c, nibble) ? nibble : 15;
}

int DtmfNibbleCode(char c)
{
    int nibble = 15;
    return ReadDtmfNibble(c, nibble) ? nibble : 15;
}

template <typename CodeOf>
void EncodeNibbles(std::string_view text, std::uint8_t* dest, int count, CodeOf codeOf)
{
    if (dest == nullptr || count <= 0)
    {
        return;
    }
    const std::size_t n = std::min(static_cast<std::size_t>(count), text.size());
    for (std::size_t i = 0; i < n; ++i)
    {
        const int code = codeOf(text[i]);
        std::uint8_t& byte = dest[i / 2];
        if (i % 2 == 0)
        {
            byte = static_cast<std::uint8_t>(code * 16 + 15);
        }
        else
        {
            byte = static_cast<std::uint8_t>((byte & 0xF0) | code);
        }
    }
}

int NibbleAt(const std::uint8_t* source, int i)
{
    const std::uint8_t byte = source[i / 2];
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

// Reads a decimal number from the start of text, stopping at the first non-digit.
int LeadingDecimal(std::string_view text)
{
    int value = 0;
    for (char c : text)
    {
        if (c < '0' || c > '9')
        {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

void StoreLittleEndian(std::uint32_t value, std::uint8_t* dest)
{
    for (int i = 0; i < 4; ++i)
    {
        dest[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t LoadLittleEndian(const std::uint8_t* source)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
    {
        value = (value << 8) | source[i];
    }
    return value;
}

// Reads up to length bytes; a short count means end of file or a read error.
std::size_t ReadAll(std::FILE* file, std::uint8_t* dest, std::size_t length)
{
    std::size_t total = 0;
    while (total < length)
    {
        const std::size_t got = std::fread(dest + total, 1, length - total, file);
        if (got == 0)
        {
            break;
        }
        total += got;
    }
    return total;
}
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
    if (!IsValidChannel(n))
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
    std::uint8_t* image = m_work.image;
    image[ImageMap::kFixed16] =
        static_cast<std::uint8_t>((image[ImageMap::kFixed16] & 0xC0) | 0x20);
    image[ImageMap::kScanHold] = static_cast<std::uint8_t>(image[ImageMap::kScanHold] & ~0x0E);
    image[ImageMap::kInjBeep] =
        static_cast<std::uint8_t>((image[ImageMap::kInjBeep] & 0x3F) | 0x80);
    image[ImageMap::kFixed1C] =
        static_cast<std::uint8_t>((image[ImageMap::kFixed1C] & 0x0F) | 0x70);
    image[ImageMap::kFixed1F] =
        static_cast<std::uint8_t>((image[ImageMap::kFixed1F] & 0x0F) | 0x30);
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
    std::uint8_t buffer[kDumpFileSize];
    StoreLittleEndian(m_work.size, buffer);
    std::memcpy(buffer + 4, m_work.reserved1, 4);
    std::memcpy(buffer + 8, m_work.image, kImageSize);
    std::memcpy(buffer + 8 + kImageSize, m_work.reserved2, 4);
    StoreLittleEndian(static_cast<std::uint32_t>(CapacityCodeToSave(app)), buffer + kBlockSize);
    return SaveFileSafely(path, buffer, sizeof buffer);
}

bool CRadioImage::LoadFromFile(const std::string& path, IAppState& app, DumpFileStatus* status)
{
    DumpFileStatus result = DumpFileStatus::Loaded;
    const bool replaced = LoadDump(path, app, result);
    if (status != nullptr)
    {
        *status = result;
    }
    return replaced;
}

bool CRadioImage::LoadDump(const std::string& path, IAppState& app, DumpFileStatus& status)
{
    FileOpenError openError = FileOpenError::None;
    FilePtr file = OpenRegularFile(path, openError);
    if (!file)
    {
        switch (openError)
        {
        case FileOpenError::Missing:
            status = DumpFileStatus::Missing;
            break;
        case FileOpenError::Denied:
            status = DumpFileStatus::Denied;
            break;
        case FileOpenError::NotRegular:
            status = DumpFileStatus::NotRegular;
            break;
        default:
            status = DumpFileStatus::Unreadable;
            break;
        }
        return false;
    }

    std::uint8_t buffer[kDumpFileSize];
    bool replaced = false;
    if (ReadAll(file.get(), buffer, kBlockSize) < kBlockSize)
    {
        status = std::ferror(file.get()) ? DumpFileStatus::Unreadable : DumpFileStatus::TooShort;
        app.ReportReadError();
    }
    else
    {
        if (ReadAll(file.get(), buffer + kBlockSize, 4) == 4)
        {
            const auto code = static_cast<std::int32_t>(LoadLittleEndian(buffer + kBlockSize));
            app.SetChannelCode(code);
            // Taken unchecked; computed unsigned so that the lowest code cannot overflow.
            app.SetChannelMode(static_cast<std::int32_t>(static_cast<std::uint32_t>(code) - 1U));
        }
        else
        {
            app.SetChannelCode(-1);
            app.SetChannelMode(0);
        }
        m_work.size = LoadLittleEndian(buffer);
        std::memcpy(m_work.reserved1, buffer + 4, 4);
        std::memcpy(m_work.image, buffer + 8, kImageSize);
        std::memcpy(m_work.reserved2, buffer + 8 + kImageSize, 4);
        replaced = true;
        status = DumpFileStatus::Loaded;
    }
    DeriveInjection();
    return replaced;
}

// ---- byte packing and nibble codecs ----------------------------------------------

int CRadioImage::PackBigEndian(std::uint32_t value, std::uint8_t* dest, int count)
{
    if (dest == nullptr || count <= 0)
    {
        return 0;
    }
    for (int i = 0; i < count; ++i)
    {
        const int shift = 8 * (count - 1 - i);
        dest[i] = shift >= 32 ? 0 : static_cast<std::uint8_t>(value >> shift);
    }
    return count;
}

bool CRadioImage::EncodeHexNibbles(std::string_view text, std::uint8_t* dest, int count)
{
    EncodeNibbles(text, dest, count, HexNibbleCode);
    return true;
}

bool CRadioImage::EncodeDtmfNibbles(std::string_view text, std::uint8_t* dest, int count)
{
    EncodeNibbles(text, dest, count, DtmfNibbleCode);
    return true;
}

bool CRadioImage::DecodeHexNibbles(std::string& textOut, const std::uint8_t* source, int& count)
{
    textOut.clear();
    if (count < 1 || source == nullptr)
    {
        count = 0;
        return true;
    }
    static constexpr char kHex[] = "0123456789ABCDE ";
    for (int i = 0; i < count; ++i)
    {
        textOut.push_back(kHex[NibbleAt(source, i)]);
    }
    return true;
}

bool CRadioImage::DecodeDtmfNibbles(std::string& textOut, const std::uint8_t* source, int& count)
{
    textOut.clear();
    if (count < 1 || source == nullptr)
    {
        count = 0;
        return true;
    }
    static constexpr char kDtmf[] = "0123456789#*\0\0\0 ";
    for (int i = 0; i < count; ++i)
    {
        const int nibble = NibbleAt(source, i);
        if (nibble >= 12 && nibble <= 14)
        {
            count = i;
            return false;
        }
        textOut.push_back(kDtmf[nibble]);
    }
    return true;
}

// ---- identification ----------------------------------------------------------------

bool CRadioImage::SetSerialNumber(std::string_view text)
{
    if (text.size() > 8)
    {
        return false;
    }
    std::uint8_t buffer[4];
    std::memset(buffer, 0xFF, sizeof buffer);
    EncodeHexNibbles(text, buffer, static_cast<int>(text.size()));
    std::memcpy(m_work.image + ImageMap::kSerial, buffer, sizeof buffer);
    return true;
}

bool CRadioImage::GetSerialNumber(std::string& textOut) const
{
    int count = 8;
    return DecodeHexNibbles(textOut, m_work.image + ImageMap::kSerial, count);
}

bool CRadioImage::SetCustomer(std::string_view text)
{
    if (text.size() > 10)
    {
        return false;
    }
    std::uint8_t buffer[5];
    std::memset(buffer, 0xFF, sizeof buffer);
    EncodeHexNibbles(text, buffer, static_cast<int>(text.size()));
    std::memcpy(m_work.image + ImageMap::kCustomer, buffer, sizeof buffer);
    return true;
}

bool CRadioImage::GetCustomer(std::string& textOut) const
{
    int count = 10;
    return DecodeHexNibbles(textOut, m_work.image + ImageMap::kCustomer, count);
}

bool CRadioImage::SetDate(int year, int month, int day)
{
    // Each part is written only when it fits its digits; otherwise that part is
    // left blank (0xFF), which GetDate reads back as invalid. So the field can
    // never spill past its four bytes, whatever the arguments.
    const auto digits = [](int value, int width, int low, int high)
    {
        if (value < low || value > high)
        {
            return std::string(static_cast<std::size_t>(width), ' ');
        }
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
        return std::string(buffer);
    };
    const std::string text =
        digits(year, 4, 0, 9999) + digits(month, 2, 1, 12) + digits(day, 2, 1, 31);
    std::uint8_t buffer[4];
    std::memset(buffer, 0xFF, sizeof buffer);
    EncodeHexNibbles(text, buffer, 8);
    std::memcpy(m_work.image + ImageMap::kDate, buffer, sizeof buffer);
    return true;
}

bool CRadioImage::GetDate(int& yearOut, int& monthOut, int& dayOut) const
{
    std::string text;
    int count = 8;
    DecodeHexNibbles(text, m_work.image + ImageMap::kDate, count);
    const std::string_view view(text);
    int year = LeadingDecimal(view.substr(0, 4));
    int month = LeadingDecimal(view.substr(4, 2));
    int day = LeadingDecimal(view.substr(6, 2));

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

bool CRadioImage::SetModel(int index)
{
    m_work.image[ImageMap::kModel] = static_cast<std::uint8_t>(index & 0xFF);
    return true;
}

bool CRadioImage::GetModel(int& indexOut) const
{
    const int value = m_work.image[ImageMap::kModel];
    if (value > 13)
    {
        indexOut = -1;
        return false;
    }
    indexOut = value;
    return true;
}

// ---- field helpers ---------------------------------------------------------------

bool CRadioImage::SetField(std::uint32_t offset, int shift, int width, int value)
{
    const int limit = 1 << width;
    if (value < 0 || value >= limit || offset >= kImageSize)
    {
        return false;
    }
    const int mask = (limit - 1) << shift;
    std::uint8_t& byte = m_work.image[offset];
    byte = static_cast<std::uint8_t>((byte & ~mask) | (value << shift));
    return true;
}

int CRadioImage::GetField(std::uint32_t offset, int shift, int width) const
{
    return (m_work.image[offset] >> shift) & ((1 << width) - 1);
}

bool CRadioImage::SetChannelField(int n, int byte, int shift, int width, int value)
{
    if (!IsValidChannel(n))
    {
        return false;
    }
    return SetField(ChannelOffset(n) + static_cast<std::uint32_t>(byte), shift, width, value);
}

bool CRadioImage::GetChannelField(int n, int byte, int shift, int width, int& valueOut) const
{
    if (!IsValidChannel(n))
    {
        return false;
    }
    valueOut = GetField(ChannelOffset(n) + static_cast<std::uint32_t>(byte), shift, width);
    return true;
}

// ---- model header ------------------------------------------------------------------

bool CRadioImage::SetReference(std::uint32_t offset, double stepHz)
{
    if (!(stepHz >= 0.0001))
    {
        return false;
    }
    const double r = std::trunc(kReferenceHz / stepHz + 0.5);
    // A divider that does not fit the 14-bit field would be stored mangled.
    if (r < 1.0 || r > 0x3FFF)
    {
        return false;
    }
    const auto divider = static_cast<std::uint32_t>(r);
    m_work.image[offset] = static_cast<std::uint8_t>((divider >> 8) & 0x3F);
    m_work.image[offset + 1] = static_cast<std::uint8_t>(divider & 0xFF);
    return true;
}

bool CRadioImage::SetWideReference(double stepHz)
{
    return SetReference(ImageMap::kWideRef, stepHz);
}

bool CRadioImage::SetNarrowReference(double stepHz)
{
    return SetReference(ImageMap::kNarrowRef, stepHz);
}

bool CRadioImage::GetReferenceCode(std::uint32_t offset, int model, int& codeOut) const
{
    const std::uint32_t divider = ((m_work.image[offset] & 0x3FU) << 8) | m_work.image[offset + 1];
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

bool CRadioImage::GetWideReferenceCode(int model, int& codeOut) const
{
    return GetReferenceCode(ImageMap::kWideRef, model, codeOut);
}

bool CRadioImage::GetNarrowReferenceCode(int model, int& codeOut) const
{
    return GetReferenceCode(ImageMap::kNarrowRef, model, codeOut);
}

bool CRadioImage::SetWideIfOffset(int word)
{
    PackBigEndian(static_cast<std::uint32_t>(word), m_work.image + ImageMap::kWideIf, 2);
    return true;
}

bool CRadioImage::SetNarrowIfOffset(int word)
{
    PackBigEndian(static_cast<std::uint32_t>(word), m_work.image + ImageMap::kNarrowIf, 2);
    return true;
}

bool CRadioImage::GetWideIfOffset(int& wordOut) const
{
    wordOut = m_work.image[ImageMap::kWideIf] * 256 + m_work.image[ImageMap::kWideIf + 1];
    return true;
}

bool CRadioImage::SetInjection(int flag)
{
    return SetField(ImageMap::kInjBeep, 4, 1, flag);
}

bool CRadioImage::GetInjection(int& flagOut) const
{
    flagOut = GetField(ImageMap::kInjBeep, 4, 1);
    return true;
}

void CRadioImage::DeriveInjection()
{
    const bool negative = (m_work.image[ImageMap::kWideIf] & 0x80) != 0;
    (void)SetInjection(negative ? 0 : 1);
}

// ---- 2-tone and ANI -----------------------------------------------------------------

bool CRadioImage::SetTwoToneUnused(int flag)
{
    return SetField(ImageMap::kTwoTone, 5, 1, flag);
}

bool CRadioImage::GetTwoToneUnused(int& flagOut) const
{
    flagOut = GetField(ImageMap::kTwoTone, 5, 1);
    return true;
}

bool CRadioImage::SetTwoToneFormat(int format)
{
    return SetField(ImageMap::kTwoTone, 3, 2, format);
}

bool CRadioImage::GetTwoToneFormat(int& formatOut) const
{
    formatOut = GetField(ImageMap::kTwoTone, 3, 2);
    return true;
}

bool CRadioImage::SetTwoToneGroups(int first, int second)
{
    if (first < 0 || first > 15 || second < 0 || second > 15)
    {
        return false;
    }
    m_work.image[ImageMap::kToneGroups] = static_cast<std::uint8_t>(first * 16 + second);
    return true;
}

bool CRadioImage::GetTwoToneGroups(int& firstOut, int& secondOut) const
{
    firstOut = GetField(ImageMap::kToneGroups, 4, 4);
    secondOut = GetField(ImageMap::kToneGroups, 0, 4);
    return true;
}

bool CRadioImage::SetToneIndex(std::uint32_t offset, int index)
{
    if (index < 0 || index > 59)
    {
        return false;
    }
    m_work.image[offset] = static_cast<std::uint8_t>(index);
    return true;
}

bool CRadioImage::GetToneIndex(std::uint32_t offset, int& indexOut) const
{
    const int value = m_work.image[offset];
    if (value >= 60)
    {
        indexOut = -1;
        return false;
    }
    indexOut = value;
    return true;
}

bool CRadioImage::SetFirstToneIndex(int index)
{
    return SetToneIndex(ImageMap::kFirstTone, index);
}

bool CRadioImage::SetSecondToneIndex(int index)
{
    return SetToneIndex(ImageMap::kSecondTone, index);
}

bool CRadioImage::SetThirdToneIndex(int index)
{
    return SetToneIndex(ImageMap::kThirdTone, index);
}

bool CRadioImage::GetFirstToneIndex(int& indexOut) const
{
    return GetToneIndex(ImageMap::kFirstTone, indexOut);
}

bool CRadioImage::GetSecondToneIndex(int& indexOut) const
{
    return GetToneIndex(ImageMap::kSecondTone, indexOut);
}

bool CRadioImage::GetThirdToneIndex(int& indexOut) const
{
    return GetToneIndex(ImageMap::kThirdTone, indexOut);
}

bool CRadioImage::SetAniNumber(std::string_view text)
{
    if (text.size() > 10)
    {
        return false;
    }
    std::uint8_t buffer[5];
    std::memset(buffer, 0xFF, sizeof buffer);
    EncodeDtmfNibbles(text, buffer, static_cast<int>(text.size()));
    std::memcpy(m_work.image + ImageMap::kAni, buffer, sizeof buffer);
    return true;
}

bool CRadioImage::GetAniNumber(std::string& textOut) const
{
    std::string text;
    int count = 10;
    if (!DecodeDtmfNibbles(text, m_work.image + ImageMap::kAni, count))
    {
        return false;
    }
    textOut = text;
    return true;
}

// ---- channel records -------------------------------------------------------------

bool CRadioImage::SetSideDcs(int n, int side, int inverted, int code)
{
    if (!IsValidChannel(n) || !IsFlag(inverted) || code < 0 || code > 511)
    {
        return false;
    }
    (void)SetChannelField(n, side, 5, 1, inverted);
    (void)SetChannelField(n, side, 0, 5, code >> 4);
    (void)SetChannelField(n, side + 1, 4, 4, code & 0x0F);
    return true;
}

bool CRadioImage::GetSideDcs(int n, int side, int& invertedOut, int& codeOut) const
{
    int inverted = 0;
    int high = 0;
    int low = 0;
    if (!GetChannelField(n, side, 5, 1, inverted))
    {
        return false;
    }
    (void)GetChannelField(n, side, 0, 5, high);
    (void)GetChannelField(n, side + 1, 4, 4, low);
    invertedOut = inverted;
    codeOut = high << 4 | low;
    return true;
}

bool CRadioImage::SetSideWord(int n, int side, std::uint32_t word)
{
    if (!IsValidChannel(n) || word > kWordMask)
    {
        return false;
    }
    (void)SetChannelField(n, side + 1, 0, 3, static_cast<int>(word >> 16));
    const std::uint32_t offset = ChannelOffset(n) + static_cast<std::uint32_t>(side);
    PackBigEndian(word & 0xFFFF, m_work.image + offset + 2, 2);
    return true;
}

bool CRadioImage::GetSideWord(int n, int side, std::uint32_t& wordOut) const
{
    if (!IsValidChannel(n))
    {
        return false;
    }
    const std::uint8_t* record = m_work.image + ChannelOffset(n) + side;
    wordOut = (static_cast<std::uint32_t>(record[1] & 0x07) << 16) |
              (static_cast<std::uint32_t>(record[2]) << 8) | record[3];
    return true;
}

bool CRadioImage::SetRxSignallingNone(int n, int flag)
{
    return SetChannelField(n, kRxSide, 7, 1, flag);
}

bool CRadioImage::SetTxSignallingNone(int n, int flag)
{
    return SetChannelField(n, kTxSide, 7, 1, flag);
}

bool CRadioImage::SetRxSignallingType(int n, int type)
{
    return SetChannelField(n, kRxSide, 6, 1, type);
}

bool CRadioImage::SetTxSignallingType(int n, int type)
{
    return SetChannelField(n, kTxSide, 6, 1, type);
}

bool CRadioImage::SetRxDcs(int n, int inverted, int code)
{
    return SetSideDcs(n, kRxSide, inverted, code);
}

bool CRadioImage::SetTxDcs(int n, int inverted, int code)
{
    return SetSideDcs(n, kTxSide, inverted, code);
}

bool CRadioImage::SetRxCtcss(int n, int index)
{
    return index <= 44 && SetChannelField(n, kRxSide, 0, 6, index);
}

bool CRadioImage::SetTxCtcss(int n, int index)
{
    return index <= 44 && SetChannelField(n, kTxSide, 0, 6, index);
}

bool CRadioImage::SetRxUnused(int n, int flag)
{
    return SetChannelField(n, kRxSide + 1, 3, 1, flag);
}

bool CRadioImage::SetTxUnused(int n, int flag)
{
    return SetChannelField(n, kTxSide + 1, 3, 1, flag);
}

bool CRadioImage::SetRxWord(int n, std::uint32_t word)
{
    return SetSideWord(n, kRxSide, word);
}

bool CRadioImage::SetTxWord(int n, std::uint32_t word)
{
    return SetSideWord(n, kTxSide, word);
}

bool CRadioImage::SetTxPower(int n, int flag)
{
    return SetChannelField(n, 8, 7, 1, flag);
}

bool CRadioImage::SetScrambler(int n, int flag)
{
    return SetChannelField(n, 8, 6, 1, flag);
}

bool CRadioImage::SetScanGroupA(int n, int flag)
{
    return SetChannelField(n, 8, 5, 1, flag);
}

bool CRadioImage::SetScanGroupB(int n, int flag)
{
    return SetChannelField(n, 8, 4, 1, flag);
}

bool CRadioImage::SetCompander(int n, int flag)
{
    return SetChannelField(n, 8, 3, 1, flag);
}

bool CRadioImage::SetWide(int n, int flag)
{
    return SetChannelField(n, 8, 2, 1, flag);
}

bool CRadioImage::SetDTone(int n, int flag)
{
    return SetChannelField(n, 8, 1, 1, flag);
}

bool CRadioImage::SetAniEnable(int n, int flag)
{
    return SetChannelField(n, 8, 0, 1, flag);
}

bool CRadioImage::UpdateCheck(int n)
{
    if (!IsValidChannel(n))
    {
        return false;
    }
    std::uint8_t* record = m_work.image + ChannelOffset(n);
    const unsigned b1 = record[1];
    const unsigned b2 = record[2];
    const unsigned b3 = record[3];
    const unsigned b5 = record[5];
    const unsigned b6 = record[6];
    const unsigned b7 = record[7];
    const unsigned sum =
        b1 + b5 + b2 + (b2 >> 4) + b3 + (b3 >> 4) + b6 + (b6 >> 4) + b7 + (b7 >> 4);
    record[9] = static_cast<std::uint8_t>(16 - (sum & 15));
    return true;
}

bool CRadioImage::SetAuxData(int n, int value)
{
    return SetChannelField(n, 10, 0, 8, value);
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
    return IsValidChannel(n) && SetName(ChannelOffset(n) + 11, text);
}

bool CRadioImage::SetGroupName(int g, std::string_view text)
{
    if (g < 0 || g >= kGroupNameSlots)
    {
        return false;
    }
    return SetName(ImageMap::kGroupNames + static_cast<std::uint32_t>(g) * kNameLength, text);
}

bool CRadioImage::GetRxSignallingNone(int n, int& flagOut) const
{
    return GetChannelField(n, kRxSide, 7, 1, flagOut);
}

bool CRadioImage::GetTxSignallingNone(int n, int& flagOut) const
{
    return GetChannelField(n, kTxSide, 7, 1, flagOut);
}

bool CRadioImage::GetRxSignallingType(int n, int& typeOut) const
{
    return GetChannelField(n, kRxSide, 6, 1, typeOut);
}

bool CRadioImage::GetTxSignallingType(int n, int& typeOut) const
{
    return GetChannelField(n, kTxSide, 6, 1, typeOut);
}

bool CRadioImage::GetRxDcs(int n, int& invertedOut, int& codeOut) const
{
    return GetSideDcs(n, kRxSide, invertedOut, codeOut);
}

bool CRadioImage::GetTxDcs(int n, int& invertedOut, int& codeOut) const
{
    return GetSideDcs(n, kTxSide, invertedOut, codeOut);
}

bool CRadioImage::GetRxCtcss(int n, int& indexOut) const
{
    return GetChannelField(n, kRxSide, 0, 6, indexOut) && indexOut <= 44;
}

bool CRadioImage::GetTxCtcss(int n, int& indexOut) const
{
    return GetChannelField(n, kTxSide, 0, 6, indexOut) && indexOut <= 44;
}

bool CRadioImage::GetRxUnused(int n, int& flagOut) const
{
    return GetChannelField(n, kRxSide + 1, 3, 1, flagOut);
}

bool CRadioImage::GetTxUnused(int n, int& flagOut) const
{
    return GetChannelField(n, kTxSide + 1, 3, 1, flagOut);
}

bool CRadioImage::GetRxWord(int n, std::uint32_t& wordOut) const
{
    return GetSideWord(n, kRxSide, wordOut);
}

bool CRadioImage::GetTxWord(int n, std::uint32_t& wordOut) const
{
    return GetSideWord(n, kTxSide, wordOut);
}

bool CRadioImage::GetTxPower(int n, int& flagOut) const
{
    return GetChannelField(n, 8, 7, 1, flagOut);
}

bool CRadioImage::GetScrambler(int n, int& flagOut) const
{
    return GetChannelField(n, 8, 6, 1, flagOut);
}

bool CRadioImage::GetScanGroupA(int n, int& flagOut) const
{
    return GetChannelField(n, 8, 5, 1, flagOut);
}

bool CRadioImage::GetScanGroupB(int n, int& flagOut) const
{
    return GetChannelField(n, 8, 4, 1, flagOut);
}

bool CRadioImage::GetCompander(int n, int& flagOut) const
{
    return GetChannelField(n, 8, 3, 1, flagOut);
}

bool CRadioImage::GetWide(int n, int& flagOut) const
{
    return GetChannelField(n, 8, 2, 1, flagOut);
}

bool CRadioImage::GetDTone(int n, int& flagOut) const
{
    return GetChannelField(n, 8, 1, 1, flagOut);
}

bool CRadioImage::GetAniEnable(int n, int& flagOut) const
{
    return GetChannelField(n, 8, 0, 1, flagOut);
}

bool CRadioImage::GetCheck(int n, int& valueOut) const
{
    return GetChannelField(n, 9, 0, 8, valueOut);
}

bool CRadioImage::GetAuxData(int n, int& valueOut) const
{
    return GetChannelField(n, 10, 0, 8, valueOut);
}

bool CRadioImage::GetChannelName(int n, std::string& textOut) const
{
    if (!IsValidChannel(n))
    {
        return false;
    }
    GetName(ChannelOffset(n) + 11, textOut);
    return true;
}

bool CRadioImage::GetGroupName(int g, std::string& textOut) const
{
    if (g < 0 || g >= kGroupNameSlots)
    {
        return false;
    }
    GetName(ImageMap::kGroupNames + static_cast<std::uint32_t>(g) * kNameLength, textOut);
    return true;
}

// ---- options ------------------------------------------------------------------------

bool CRadioImage::SetScanHoldOnRx(int v)
{
    return SetField(ImageMap::kScanHold, 6, 2, v);
}

bool CRadioImage::SetScanHoldAfterTx(int v)
{
    return SetField(ImageMap::kScanHold, 4, 2, v);
}

bool CRadioImage::SetScanListClear(int v)
{
    return SetField(ImageMap::kScan, 6, 2, v);
}

bool CRadioImage::SetScanHoldBy(int v)
{
    return SetField(ImageMap::kScan, 5, 1, v);
}

bool CRadioImage::SetScanHoldAt(int v)
{
    return SetField(ImageMap::kScan, 4, 1, v);
}

bool CRadioImage::SetScanType(int v)
{
    return SetField(ImageMap::kScan, 2, 2, v);
}

bool CRadioImage::SetChannelRollOver(int v)
{
    return SetField(ImageMap::kScan, 1, 1, v);
}

bool CRadioImage::SetPriorityCycle(int v)
{
    return SetField(ImageMap::kScan, 0, 1, v);
}

bool CRadioImage::SetBeeps(int a, int b, int c, int d)
{
    if (!IsFlag(a) || !IsFlag(b) || !IsFlag(c) || !IsFlag(d))
    {
        return false;
    }
    return SetField(ImageMap::kInjBeep, 0, 4, a << 3 | b << 2 | c << 1 | d);
}

bool CRadioImage::SetPriorityTime(int v)
{
    return SetField(ImageMap::kTwoTone, 6, 2, v);
}

bool CRadioImage::SetDtmfTiming(int v)
{
    return SetField(ImageMap::kTwoTone, 0, 3, v);
}

bool CRadioImage::SetBusyLockout(int v)
{
    return SetField(ImageMap::kLockout, 6, 2, v);
}

bool CRadioImage::SetTimeOutTimer(int v)
{
    return SetField(ImageMap::kLockout, 3, 3, v);
}

bool CRadioImage::SetMicOffHookScanStop(int v)
{
    return SetField(ImageMap::kLockout, 2, 1, v);
}

bool CRadioImage::SetDefeatPriority2(int v)
{
    return SetField(ImageMap::kPriority2, 7, 1, v);
}

bool CRadioImage::SetGroupCount(int capacityCode, int count)
{
    if (!IsFlag(capacityCode) || count < 0 || count > kGroupNameCount)
    {
        return false;
    }
    m_work.image[ImageMap::kGroupCount] = static_cast<std::uint8_t>(count);
    return true;
}

bool CRadioImage::GetScanHoldOnRx(int& vOut) const
{
    vOut = GetField(ImageMap::kScanHold, 6, 2);
    return true;
}

bool CRadioImage::GetScanHoldAfterTx(int& vOut) const
{
    vOut = GetField(ImageMap::kScanHold, 4, 2);
    return true;
}

bool CRadioImage::GetScanListClear(int& vOut) const
{
    vOut = GetField(ImageMap::kScan, 6, 2);
    return true;
}

bool CRadioImage::GetScanHoldBy(int& vOut) const
{
    vOut = GetField(ImageMap::kScan, 5, 1);
    return true;
}

bool CRadioImage::GetScanHoldAt(int& vOut) const
{
    vOut = GetField(ImageMap::kScan, 4, 1);
    return true;
}

bool CRadioImage::GetScanType(int& vOut) const
{
    vOut = GetField(ImageMap::kScan, 2, 2);
    return true;
}

bool CRadioImage::GetChannelRollOver(int& vOut) const
{
    vOut = GetField(ImageMap::kScan, 1, 1);
    return true;
}

bool CRadioImage::GetPriorityCycle(int& vOut) const
{
    vOut = GetField(ImageMap::kScan, 0, 1);
    return true;
}

bool CRadioImage::GetBeeps(int& aOut, int& bOut, int& cOut, int& dOut) const
{
    aOut = GetField(ImageMap::kInjBeep, 3, 1);
    bOut = GetField(ImageMap::kInjBeep, 2, 1);
    cOut = GetField(ImageMap::kInjBeep, 1, 1);
    dOut = GetField(ImageMap::kInjBeep, 0, 1);
    return true;
}

bool CRadioImage::GetPriorityTime(int& vOut) const
{
    vOut = GetField(ImageMap::kTwoTone, 6, 2);
    return true;
}

bool CRadioImage::GetDtmfTiming(int& vOut) const
{
    vOut = GetField(ImageMap::kTwoTone, 0, 3);
    return true;
}

bool CRadioImage::GetBusyLockout(int& vOut) const
{
    vOut = GetField(ImageMap::kLockout, 6, 2);
    return true;
}

bool CRadioImage::GetTimeOutTimer(int& vOut) const
{
    vOut = GetField(ImageMap::kLockout, 3, 3);
    return true;
}

bool CRadioImage::GetMicOffHookScanStop(int& vOut) const
{
    vOut = GetField(ImageMap::kLockout, 2, 1);
    return true;
}

bool CRadioImage::GetDefeatPriority2(int& vOut) const
{
    vOut = GetField(ImageMap::kPriority2, 7, 1);
    return true;
}

bool CRadioImage::GetGroupCount(int& bigFlagOut, int& countOut) const
{
    countOut = m_work.image[ImageMap::kGroupCount];
    if (countOut > 15)
    {
        return false;
    }
    bigFlagOut = (countOut == 10 || countOut == 15) ? 1 : 0;
    return true;
}

// ---- alignment levels -----------------------------------------------------------------

namespace
{
// Whole-byte level with an upper limit.
bool SetLevel(std::uint8_t* image, std::uint32_t offset, int v, int max)
{
    if (v < 0 || v > max)
    {
        return false;
    }
    image[offset] = static_cast<std::uint8_t>(v);
    return true;
}

// Level read back as valid only up to max; anything higher reads as -1.
bool GetLevel(const std::uint8_t* image, std::uint32_t offset, int max, int& vOut)
{
    const int value = image[offset];
    if (value > max)
    {
        vOut = -1;
        return false;
    }
    vOut = value;
    return true;
}
} // namespace

bool CRadioImage::SetTxHighPowerLevel(int v)
{
    return SetLevel(m_work.image, kTxHighPower, v, 255);
}

bool CRadioImage::SetTxLowPowerLevel(int v)
{
    return SetLevel(m_work.image, kTxLowPower, v, 255);
}

bool CRadioImage::SetSqVolume(int v)
{
    return SetLevel(m_work.image, kSqVolume, v, 255);
}

bool CRadioImage::SetTxToneLevel(int v)
{
    return SetLevel(m_work.image, kTxTone, v, 127);
}

bool CRadioImage::SetDtmfLowToneLevel(int v)
{
    return SetLevel(m_work.image, kDtmfLowTone, v, 127);
}

bool CRadioImage::SetModulationSensitivity(int v)
{
    return SetLevel(m_work.image, kModSensitivity, v, 15);
}

bool CRadioImage::SetWideModulation(int v)
{
    return SetField(kWideMod, 0, 5, v);
}

bool CRadioImage::SetNarrowModulation(int v)
{
    return SetField(kNarrowMod, 0, 5, v);
}

bool CRadioImage::SetWideDemodulation(int v)
{
    return SetLevel(m_work.image, kWideDemod, v, 15);
}

bool CRadioImage::SetNarrowDemodulation(int v)
{
    return SetLevel(m_work.image, kNarrowDemod, v, 15);
}

bool CRadioImage::GetTxHighPowerLevel(int& vOut) const
{
    return GetLevel(m_work.image, kTxHighPower, 255, vOut);
}

bool CRadioImage::GetTxLowPowerLevel(int& vOut) const
{
    return GetLevel(m_work.image, kTxLowPower, 255, vOut);
}

bool CRadioImage::GetSqVolume(int& vOut) const
{
    return GetLevel(m_work.image, kSqVolume, kSqVolumeMax, vOut);
}

bool CRadioImage::GetTxToneLevel(int& vOut) const
{
    return GetLevel(m_work.image, kTxTone, 127, vOut);
}

bool CRadioImage::GetDtmfLowToneLevel(int& vOut) const
{
    return GetLevel(m_work.image, kDtmfLowTone, 127, vOut);
}

bool CRadioImage::GetModulationSensitivity(int& vOut) const
{
    return GetLevel(m_work.image, kModSensitivity, 15, vOut);
}

bool CRadioImage::GetWideModulation(int& vOut) const
{
    vOut = GetField(kWideMod, 0, 5);
    return true;
}

bool CRadioImage::GetNarrowModulation(int& vOut) const
{
    vOut = GetField(kNarrowMod, 0, 5);
    return true;
}

bool CRadioImage::GetWideDemodulation(int& vOut) const
{
    vOut = GetField(kWideDemod, 0, 4);
    return true;
}

bool CRadioImage::GetNarrowDemodulation(int& vOut) const
{
    vOut = GetField(kNarrowDemod, 0, 4);
    return true;
}
