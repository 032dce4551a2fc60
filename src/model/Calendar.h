// The calendar rules of the programming date: the years the image keeps and
// the days each month has.
#pragma once

// The programming date's years: GetDate treats any other year as unset.
constexpr int kFirstDateYear = 1980;
constexpr int kLastDateYear = 2099;

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);

// Days of month 1..12 of year (February has 29 in a leap year); 0 for any
// other month.
int DaysInMonth(int year, int month);
