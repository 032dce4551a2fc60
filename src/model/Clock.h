// Today's local date, the one place the model asks the system for it, so that
// tests can pin the date.
#pragma once

// std
#include <optional>

struct LocalDate
{
    int year = 0;
    int month = 0;
    int day = 0;
};

// The local date, or the date a test has pinned.
LocalDate Today();

// Pins Today() to a fixed date; std::nullopt returns to the system clock.
void SetClockForTesting(std::optional<LocalDate> date);
