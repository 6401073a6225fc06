// The Persian solar (Shamsi) calendar: conversion from Gregorian dates and
// automation dates, the text forms used in records and logs, and the
// calendar-name tables. Pure functions: safe from any thread.
#pragma once

#include <string>

#include "platform/Variant.h"

struct ShamsiDate {
  int year = 0;
  int month = 0;  // 1 Farvardin .. 12 Esfand
  int day = 0;    // 1..31
  bool operator==(const ShamsiDate&) const = default;
};

// The Shamsi date of a Gregorian date. Correct for the years 1800-2400
// (the leap years follow the observed calendar); the fields are 0 for a
// date outside that range or not a valid Gregorian date.
ShamsiDate GregorianToShamsi(int year, int month, int day);
// The Gregorian date of a Shamsi date; false when it is not a valid one.
bool ShamsiToGregorian(const ShamsiDate& date, int* year, int* month, int* day);
// True when the Shamsi year has 366 days (Esfand has 30).
bool IsShamsiLeapYear(int year);
// Days of a Shamsi month: 31 for 1-6, 30 for 7-11, 29 or 30 for 12.
int GetShamsiMonthDays(int year, int month);

// "%d/%02d/%02d" of the Shamsi date of d, with " - %02d:%02d:%02d" of the
// time appended when bWithTime.
std::string DateToShamsiText(DATE d, bool bWithTime);

// Calendar-name tables. Month 1-12, week day 0 Sunday .. 6 Saturday; an
// index outside the table gives an empty text. Persian names in UTF-8.
std::string GetShamsiMonthName(int month, bool bPersian);
std::string GetGregorianMonthName(int month);
std::string GetWeekDayName(int dayOfWeek, bool bPersian);
