#include "report_words.h"

#include "admin_common.h"
#include "files/shown_text.h"

namespace kz::admin::report {
// The translation port has no plural forms. A count is therefore written as a whole phrase, one
// for a count of 1 and one for any other ("1 session", "%1 sessions"), and sentences take the
// phrase as an argument. The nouns counted this way (sessions, minutes, weeks) keep one form
// wherever the sentences put them in the languages the desk is translated into; the children,
// whose number the verb agrees with, have a sentence of their own for one child.
// None has a phrase of its own too: French counts it in the singular, Spanish and German in the
// plural.
std::string sessionsText(uint64_t n) {
    if (n == 0) return sentence(translate("kz::admin::Report", "0 sessions"));
    return n == 1 ? sentence(translate("kz::admin::Report", "1 session"))
                  : sentence(translate("kz::admin::Report", "%1 sessions"), {std::to_string(n)});
}

std::string minutesText(uint64_t n) {
    if (n == 0) return sentence(translate("kz::admin::Report", "0 minutes"));
    return n == 1 ? sentence(translate("kz::admin::Report", "1 minute"))
                  : sentence(translate("kz::admin::Report", "%1 minutes"), {std::to_string(n)});
}

std::string weeksText(uint64_t n) {
    return n == 1 ? sentence(translate("kz::admin::Report", "1 week"))
                  : sentence(translate("kz::admin::Report", "%1 weeks"), {std::to_string(n)});
}

// The activity of a program, as the children know it.
std::string activityName(int program) {
    return program == 0 ? sentence(translate("kz::admin::Report", "Words"))
                        : sentence(translate("kz::admin::Report", "Phrases"));
}

std::string monthName(unsigned month) {
    switch (month) {
        case 1:
            return sentence(translate("kz::admin::Report", "January"));
        case 2:
            return sentence(translate("kz::admin::Report", "February"));
        case 3:
            return sentence(translate("kz::admin::Report", "March"));
        case 4:
            return sentence(translate("kz::admin::Report", "April"));
        case 5:
            return sentence(translate("kz::admin::Report", "May"));
        case 6:
            return sentence(translate("kz::admin::Report", "June"));
        case 7:
            return sentence(translate("kz::admin::Report", "July"));
        case 8:
            return sentence(translate("kz::admin::Report", "August"));
        case 9:
            return sentence(translate("kz::admin::Report", "September"));
        case 10:
            return sentence(translate("kz::admin::Report", "October"));
        case 11:
            return sentence(translate("kz::admin::Report", "November"));
        default:
            return sentence(translate("kz::admin::Report", "December"));
    }
}

// A month's short name, as the last session's day and the charts' weeks show it ("11 Mar"); a
// context of its own, since the short and the long name of May are the same English word.
std::string shortMonthName(unsigned month) {
    switch (month) {
        case 1:
            return sentence(translate("kz::admin::ReportShort", "Jan"));
        case 2:
            return sentence(translate("kz::admin::ReportShort", "Feb"));
        case 3:
            return sentence(translate("kz::admin::ReportShort", "Mar"));
        case 4:
            return sentence(translate("kz::admin::ReportShort", "Apr"));
        case 5:
            return sentence(translate("kz::admin::ReportShort", "May"));
        case 6:
            return sentence(translate("kz::admin::ReportShort", "Jun"));
        case 7:
            return sentence(translate("kz::admin::ReportShort", "Jul"));
        case 8:
            return sentence(translate("kz::admin::ReportShort", "Aug"));
        case 9:
            return sentence(translate("kz::admin::ReportShort", "Sep"));
        case 10:
            return sentence(translate("kz::admin::ReportShort", "Oct"));
        case 11:
            return sentence(translate("kz::admin::ReportShort", "Nov"));
        default:
            return sentence(translate("kz::admin::ReportShort", "Dec"));
    }
}

// A weekday's short name, as the last session's day shows it ("Wed 11 Mar 2026").
std::string shortDayName(unsigned weekday) {
    switch (weekday) {
        case 0:
            return sentence(translate("kz::admin::ReportShort", "Sun"));
        case 1:
            return sentence(translate("kz::admin::ReportShort", "Mon"));
        case 2:
            return sentence(translate("kz::admin::ReportShort", "Tue"));
        case 3:
            return sentence(translate("kz::admin::ReportShort", "Wed"));
        case 4:
            return sentence(translate("kz::admin::ReportShort", "Thu"));
        case 5:
            return sentence(translate("kz::admin::ReportShort", "Fri"));
        default:
            return sentence(translate("kz::admin::ReportShort", "Sat"));
    }
}

std::string dayText(int year, unsigned month, unsigned day, bool shortMonth) {
    const std::string d = std::to_string(day), y = std::to_string(year);
    //: A day: %1 its number, %2 the month's name, %3 the year ("2 March 2026").
    if (!shortMonth)
        return sentence(translate("kz::admin::Report", "%1 %2 %3"), {d, monthName(month), y});
    //: A day with the month's short name: %1 its number, %2 the month, %3 the year ("11 Mar 2026").
    return sentence(translate("kz::admin::ReportShort", "%1 %2 %3"), {d, shortMonthName(month), y});
}

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string clockText(int hour, int minute) {
    //: How the language writes the time of day: "12-hour clock" (2:15 pm, with the two texts
    //: below) or "24-hour clock" (14:15).
    if (translate("kz::admin::Report", "12-hour clock") == "24-hour clock") {
        return twoDigits(hour) + ":" + twoDigits(minute);
    }
    const std::string hour12 = std::to_string(hour % 12 == 0 ? 12 : hour % 12);
    //: A time before noon on the 12-hour clock: %1 the hour, %2 the minutes.
    if (hour < 12)
        return sentence(translate("kz::admin::Report", "%1:%2 am"), {hour12, twoDigits(minute)});
    //: A time from noon on the 12-hour clock: %1 the hour, %2 the minutes.
    return sentence(translate("kz::admin::Report", "%1:%2 pm"), {hour12, twoDigits(minute)});
}

}  // namespace kz::admin::report
