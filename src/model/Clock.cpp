// Today's local date, with an override for tests.
#include "model/Clock.h"

// std
#include <ctime>

namespace
{
std::optional<LocalDate>& PinnedDate()
{
    static std::optional<LocalDate> pinned;
    return pinned;
}
} // namespace

LocalDate Today()
{
    if (PinnedDate())
    {
        return *PinnedDate();
    }
    const std::time_t now = std::time(nullptr);
    // Every port of a fleet run makes images on its own thread: no shared
    // buffer of localtime.
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr)
    {
        return LocalDate{1980, 1, 1};
    }
    return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void SetClockForTesting(std::optional<LocalDate> date)
{
    PinnedDate() = date;
}
