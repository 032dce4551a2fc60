// The folder of automatic backups.

// own
#include "model/BackupStore.h"
#include "model/FileAccess.h"
#include "model/RadioImage.h"

// std
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
// Days from 1970-01-01 to a civil date (proleptic Gregorian), so that a
// name's UTC time turns back into seconds without the local time zone.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool ReadDigits(const std::string& text, std::size_t at, std::size_t count, int& valueOut)
{
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i)
    {
        if (std::isdigit(static_cast<unsigned char>(text[i])) == 0)
        {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    valueOut = value;
    return true;
}

bool UtcParts(std::int64_t time, std::tm& out)
{
    const auto seconds = static_cast<std::time_t>(time);
    // The ports of a fleet run save their radios' backups on threads of
    // their own: no shared buffer of gmtime.
    return ::gmtime_r(&seconds, &out) != nullptr;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}
} // namespace

CBackupStore::CBackupStore(std::string folder) : m_strFolder(std::move(folder)) {}

std::string CBackupStore::DefaultFolder()
{
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/')
    {
        return (fs::path(data) / "vesk4" / "backups").string();
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
    {
        return (fs::path(home) / ".local" / "share" / "vesk4" / "backups").string();
    }
    return {};
}

bool CBackupStore::TurnedOffByEnvironment()
{
    const char* value = std::getenv(kOffVariable);
    if (value == nullptr)
    {
        return false;
    }
    std::string text = value;
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text == "off" || text == "0" || text == "no" || text == "false";
}

std::string CBackupStore::SerialText(const CRadioImage& image)
{
    std::string serial;
    (void)image.GetSerialNumber(serial);
    const auto first = serial.find_first_not_of(' ');
    if (first == std::string::npos)
    {
        return "noserial";
    }
    serial = serial.substr(first, serial.find_last_not_of(' ') - first + 1);
    std::replace(serial.begin(), serial.end(), ' ', '_');
    return serial;
}

std::string CBackupStore::FileName(const CRadioImage& image, std::time_t when, int clash)
{
    std::tm utc{};
    if (!UtcParts(static_cast<std::int64_t>(when), utc))
    {
        utc = std::tm{};
        utc.tm_year = 70;
        utc.tm_mday = 1;
    }
    char stamp[80];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    std::string name = std::string(stamp) + "_" + SerialText(image);
    if (clash > 1)
    {
        name += "_" + std::to_string(clash);
    }
    return name + kExtension;
}

bool CBackupStore::TimeFromName(const std::string& name, std::int64_t& timeOut)
{
    if (name.size() < kTimeLength || name[8] != 'T' || name[15] != 'Z')
    {
        return false;
    }
    // yyyymmddThhmmssZ: where each part's digits start, and how many.
    static constexpr std::size_t kAt[] = {0, 4, 6, 9, 11, 13};
    static constexpr std::size_t kDigits[] = {4, 2, 2, 2, 2, 2};
    int parts[std::size(kAt)] = {};
    for (std::size_t k = 0; k < std::size(kAt); ++k)
    {
        if (!ReadDigits(name, kAt[k], kDigits[k], parts[k]))
        {
            return false;
        }
    }
    const auto [year, month, day, hour, minute, second] = parts;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60)
    {
        return false;
    }
    timeOut =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 +
        hour * 3600 + minute * 60 + second;
    return true;
}

std::string CBackupStore::TimeText(std::int64_t time)
{
    std::tm utc{};
    if (!UtcParts(time, utc))
    {
        return "?";
    }
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UTC", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

bool CBackupStore::Save(const CRadioImage& image, const IAppState& app, std::time_t when,
                        std::string& pathOut, BackupError& errorOut) const
{
    pathOut.clear();
    if (m_strFolder.empty())
    {
        errorOut = BackupError::NoFolder;
        return false;
    }
    std::error_code ec;
    const fs::path folder(m_strFolder);
    if (!MakeOwnerOnlyFolders(m_strFolder))
    {
        errorOut = BackupError::FolderFailed;
        return false;
    }
    for (int clash = 1; clash <= kMaxClashes; ++clash)
    {
        const std::string path = (folder / FileName(image, when, clash)).string();
        // The exclusive create claims the name, so two programs saving the
        // same radio in the same second never write over each other.
        std::FILE* claim = std::fopen(path.c_str(), "wbx");
        if (claim == nullptr)
        {
            if (fs::exists(fs::symlink_status(path, ec)))
            {
                continue;
            }
            errorOut = BackupError::WriteFailed;
            return false;
        }
        std::fclose(claim);
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::replace, ec);
        if (!image.SaveToFile(path, app))
        {
            fs::remove(path, ec);
            errorOut = BackupError::WriteFailed;
            return false;
        }
        pathOut = path;
        errorOut = BackupError::None;
        return true;
    }
    errorOut = BackupError::NameExhausted;
    return false;
}

bool CBackupStore::List(std::vector<BackupEntry>& entries) const
{
    entries.clear();
    std::error_code ec;
    const fs::path folder(m_strFolder);
    if (m_strFolder.empty() || !fs::exists(folder, ec))
    {
        return !m_strFolder.empty();
    }
    fs::directory_iterator it(folder, ec);
    if (ec)
    {
        return false;
    }
    for (; it != fs::directory_iterator(); it.increment(ec))
    {
        if (ec)
        {
            return false;
        }
        const std::string name = it->path().filename().string();
        if (!EndsWith(name, kExtension) || name[0] == '.' || !it->is_regular_file(ec))
        {
            continue;
        }
        BackupEntry entry;
        entry.strName = name;
        if (!TimeFromName(name, entry.nTime))
        {
            const auto written = fs::last_write_time(it->path(), ec);
            entry.nTime = std::chrono::duration_cast<std::chrono::seconds>(
                              std::chrono::file_clock::to_sys(written).time_since_epoch())
                              .count();
        }
        CRadioImage image;
        CPlainAppState app;
        entry.bReadable = image.LoadFromFile(it->path().string(), app);
        if (entry.bReadable)
        {
            entry.strSerial = SerialText(image);
            (void)image.GetModel(entry.nModel);
        }
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const BackupEntry& a, const BackupEntry& b)
              { return a.nTime != b.nTime ? a.nTime < b.nTime : a.strName < b.strName; });
    return true;
}
