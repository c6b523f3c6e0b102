// Any log text, of any length, gives CSV: the header row, then whole rows; and a report page in
// which no name can open a tag, with one table row a child.
#include <cstdlib>
#include <set>

#include "fuzz_input.h"
#include "log_csv.h"
#include "log_report.h"

namespace {

size_t count(const std::string& text, std::string_view part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = kz::fuzz::bytesOf(data, size);
    const std::string csv = kz::admin::logCsv(text);
    const std::string_view header = "user,start,minutes,program\n";
    if (csv.compare(0, header.size(), header) != 0 || csv.back() != '\n') std::abort();

    kz::admin::ReportInput input{
        "class", "today", kz::admin::loggedSessions(text), kz::admin::loggedNotes(text), {}};
    std::set<std::string> children;  // the Teacher's sessions are shown apart, in no row
    for (const auto& s : input.sessions) {
        if (s.user != "Teacher") children.insert(s.user);
        input.listedUsers.push_back(s.user + "<script>");  // never read, and escaped
    }
    const std::string html = kz::admin::logReportHtml(input);
    if (count(html, "<td class=\"name\">") != children.size()) std::abort();
    if (html.find("<script") != std::string::npos) std::abort();
    if (html.size() < 8 || html.compare(html.size() - 8, 8, "</html>\n") != 0) std::abort();
    return 0;
}
