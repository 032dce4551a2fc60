// Fleet journal rows on disk.

// own
#include "model/CloneJournal.h"
#include "model/CsvTable.h"

// std
#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::vector<std::string> Fields(const JournalRow& row)
{
    return {row.strStarted,
            row.strEnded,
            row.strPort,
            row.strDevice,
            row.strSerialBefore,
            row.strSerialAfter,
            row.strModel,
            row.strPlan,
            row.strPlanSha256,
            row.strResult,
            row.strFirstDifference,
            row.strBackup,
            row.strSeconds};
}

bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size())
    {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR)
        {
            continue;
        }
        if (wrote <= 0)
        {
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}
} // namespace

const std::vector<std::string>& CCloneJournal::Columns()
{
    static const std::vector<std::string> columns = {
        "Started",         "Ended",  "Port",   "Device",     "SerialBefore",
        "SerialAfter",     "Model",  "Plan",   "PlanSha256", "Result",
        "FirstDifference", "Backup", "Seconds"};
    return columns;
}

bool CCloneJournal::Append(const std::string& path, const JournalRow& row)
{
    // O_NONBLOCK: a pipe or device named by mistake is refused below instead
    // of holding the run up.
    const int fd = ::open(
        path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
    {
        return false;
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        ::close(fd);
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    std::string text;
    if (info.st_size == 0)
    {
        text = CCsvTable::Line(Columns());
    }
    text += CCsvTable::Line(Fields(row));
    // One write: rows of ports finishing together never interleave.
    const bool ok = WriteAll(fd, text) && ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    errno = ok ? errno : error;
    return ok && closed;
}

bool CCloneJournal::Parse(const std::string& text, std::vector<JournalRow>& rows)
{
    rows.clear();
    CCsvTable table;
    int badLine = 0;
    // A quoted field left open at the end is a row cut short: the rows
    // before it are complete.
    (void)table.Parse(text, badLine);
    const auto& all = table.GetRows();
    if (all.empty() || all.front().fields != Columns())
    {
        return false;
    }
    // The last row counts only when the text ends with its line end.
    const bool endsComplete = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    for (std::size_t i = 1; i < all.size(); ++i)
    {
        const auto& f = all[i].fields;
        if (f.size() != Columns().size() || (i + 1 == all.size() && !endsComplete))
        {
            continue;
        }
        JournalRow row;
        row.strStarted = f[0];
        row.strEnded = f[1];
        row.strPort = f[2];
        row.strDevice = f[3];
        row.strSerialBefore = f[4];
        row.strSerialAfter = f[5];
        row.strModel = f[6];
        row.strPlan = f[7];
        row.strPlanSha256 = f[8];
        row.strResult = f[9];
        row.strFirstDifference = f[10];
        row.strBackup = f[11];
        row.strSeconds = f[12];
        rows.push_back(row);
    }
    return true;
}

JournalSummary CCloneJournal::Summarise(const std::vector<JournalRow>& rows)
{
    JournalSummary summary;
    for (const JournalRow& row : rows)
    {
        ++summary.nRadios;
        ++(row.Verified() ? summary.nVerified : summary.nFailed);
        if (row.strSerialBefore.empty())
        {
            continue;
        }
        auto& last = summary.lastBySerial;
        const auto found =
            std::find_if(last.begin(), last.end(),
                         [&row](const auto& entry) { return entry.first == row.strSerialBefore; });
        if (found == last.end())
        {
            last.emplace_back(row.strSerialBefore, row.strResult);
        }
        else
        {
            found->second = row.strResult;
        }
    }
    return summary;
}

std::string CCloneJournal::TimeText(long long secondsSinceEpoch)
{
    const std::time_t when = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm parts{};
    (void)::gmtime_r(&when, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}
