#pragma once

#include <cstdint>
#include <string>

// The words of the reading report (log_report.h), each through the class's language
// (kz::translate): the desk installs the translations, wqadmin none, so that its page stays
// English byte for byte. UTF-8, written without characters HTML gives a meaning.
namespace kz::admin::report {

// Counts as whole phrases ("1 session", "12 sessions"); see report_words.cpp.
std::string sessionsText(uint64_t n);
std::string minutesText(uint64_t n);
std::string weeksText(uint64_t n);

// The activity of a program (0 Kiv, 1 Zan): "Words", "Phrases".
std::string activityName(int program);

// A month's name (1 to 12) and its short form, as "11 Mar" shows it.
std::string monthName(unsigned month);
std::string shortMonthName(unsigned month);

// A weekday's short name; 0 is Sunday.
std::string shortDayName(unsigned weekday);

// A day: "2 March 2026", or with the month's short name "2 Mar 2026".
std::string dayText(int year, unsigned month, unsigned day, bool shortMonth);

// A time of day (hour 0 to 23) on the language's clock: "2:15 pm", "14:15".
std::string clockText(int hour, int minute);

}  // namespace kz::admin::report
