// wqadmin report, run as the teacher runs it, on logs written by the programs' own entry code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "files/tracking_log.h"
#include "files/user_list.h"
#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

using test::runWqadmin;

std::string session(LocalTime at, int minutes, std::string_view activity) {
    return composeSessionEntry(at, 0, float(minutes * 60), activity);
}

// An installation whose log holds these (user, entry) pairs in order, and whose user list
// holds these names.
void makeInstallation(const test::TempDir& dir,
                      const std::vector<std::pair<std::string, std::string>>& entries,
                      const std::vector<std::string>& users) {
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    std::string text;
    for (const auto& [user, entry] : entries) text = insertLogEntry(text, entry, user);
    dir.write("LOG.WQ", encodeLogFile({}, text));
    dir.write("USERS.WQ", encodeUserList(users));
}

// The table row of one child: from its name cell to the row's end.
std::string rowOf(const std::string& html, const std::string& nameHtml) {
    const size_t at = html.find("<td class=\"name\">" + nameHtml + "</td>");
    if (at == std::string::npos) return {};
    return html.substr(at, html.find("</tr>", at) - at);
}

// The English page of reportOfEverySentence below, as wqadmin wrote it before the page's texts
// could be translated: the English must stay exactly this.
const char* const kEnglishPage = R"html(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Reading report: CLASS</title>
<style>
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; color: #222; margin: 24px; }
h1 { font-size: 22px; margin: 0; }
h2 { font-size: 16px; margin: 20px 0 6px; }
p { margin: 4px 0; font-size: 13px; }
.sub { color: #555; margin-bottom: 10px; }
.notes td { font-size: 12px; color: #444; }
.notes ul { margin: 0; padding-left: 16px; }
.key { display: inline-block; width: 10px; height: 10px; margin: 0 3px 0 10px; }
table { border-collapse: collapse; }
th, td { padding: 3px 8px; border-bottom: 1px solid #ddd; text-align: left;
         vertical-align: middle; font-size: 13px; }
th { font-size: 12px; color: #444; border-bottom: 2px solid #888; vertical-align: bottom; }
td.name { font-weight: bold; }
td.num { text-align: right; white-space: nowrap; }
td.none { color: #aaa; }
td.chart, th.chart { padding-top: 0; padding-bottom: 0; }
.what { color: #555; font-size: 12px; }
svg { display: block; }
svg text { font-size: 9px; fill: #333; }
ul.never { list-style: none; display: flex; flex-wrap: wrap; gap: 2px 24px; max-width: 640px;
           font-size: 13px; margin: 4px 0; padding: 0; }
* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
@page { size: A4; margin: 10mm; }
@media print {
  body { margin: 0; }
  th, td { font-size: 10px; padding: 1px 5px; }
  .what { font-size: 9px; }
  p, ul.never { font-size: 10px; }
  h2 { font-size: 12px; margin-top: 8px; }
  tr, .nevers { break-inside: avoid; }
}
</style>
</head>
<body>
<h1>Reading report: CLASS</h1>
<p class="sub">From the tracking log, made on TODAY. 3 children read in 6 sessions; the charts show 2 weeks from 2 March 2026.</p>
<p><span class="key" style="background:#3f9b2f"></span>Words (Kiv)<span class="key" style="background:#2f6db5"></span>Phrases (Zan). A bar's height is the minutes read that week; the figure above it, the sessions.</p>
<table>
<thead><tr><th>Child</th><th>Last session</th><th>Words</th><th>Phrases</th><th class="chart"><svg width="44" height="24" viewBox="0 0 44 24" role="img" aria-label="Weeks, by their Monday"><text x="11" y="10" text-anchor="middle">2</text><text x="11" y="21" text-anchor="middle">Mar</text><text x="33" y="10" text-anchor="middle">9</text><text x="33" y="21" text-anchor="middle">Mar</text></svg></th></tr></thead>
<tbody>
<tr><td class="name">Ann</td><td>Thu 12 Mar 2026, 12:40 am<br><span class="what">Words, 7 min</span></td><td class="num">2 sessions<br>9 min</td><td class="num">1 session<br>20 min</td><td class="chart"><svg width="44" height="38" viewBox="0 0 44 38" role="img" aria-label="Minutes and sessions each week"><line x1="0" y1="37" x2="44" y2="37" stroke="#999" stroke-width="1"/><g><title>Week of 2 March 2026, Phrases: 1 session, 20 minutes</title><rect x="11" y="10" width="8" height="27" fill="#2f6db5"/><text x="15" y="8" text-anchor="middle">1</text></g><g><title>Week of 9 March 2026, Words: 1 session, 7 minutes</title><rect x="24" y="28" width="8" height="9" fill="#3f9b2f"/><text x="28" y="26" text-anchor="middle">1</text></g></svg></td></tr>
<tr><td class="name">Ben</td><td>date not readable<br><span class="what">Phrases, 4 min</span></td><td class="num none">&ndash;</td><td class="num">1 session<br>4 min</td><td class="chart"><svg width="44" height="38" viewBox="0 0 44 38" role="img" aria-label="Minutes and sessions each week"><line x1="0" y1="37" x2="44" y2="37" stroke="#999" stroke-width="1"/></svg></td></tr>
<tr><td class="name">Sam</td><td>Wed 11 Mar 2026, 2:15 pm<br><span class="what">Phrases, 2 min</span></td><td class="num">1 session<br>12 min</td><td class="num">1 session<br>2 min</td><td class="chart"><svg width="44" height="38" viewBox="0 0 44 38" role="img" aria-label="Minutes and sessions each week"><line x1="0" y1="37" x2="44" y2="37" stroke="#999" stroke-width="1"/><g><title>Week of 2 March 2026, Words: 1 session, 12 minutes</title><rect x="2" y="21" width="8" height="16" fill="#3f9b2f"/><text x="6" y="19" text-anchor="middle">1</text></g><g><title>Week of 9 March 2026, Phrases: 1 session, 2 minutes</title><rect x="33" y="34" width="8" height="3" fill="#2f6db5"/><text x="37" y="32" text-anchor="middle">1</text></g></svg></td></tr>
<tr class="notes"><td></td><td colspan="4"><ul><li><b>3 March 2026:</b> Reads well.</li></ul></td></tr>
</tbody>
</table>
<h2>Other notes</h2>
<ul class="notes"><li>Zoe, Starts Monday.</li></ul>
<p class="teacher">Signed in as Teacher (not counted above): 1 session of Words, 0 sessions of Phrases, 3 minutes.</p>
<div class="nevers">
<h2>On the user list, never read (1)</h2>
<ul class="never"><li>Lea</li></ul>
</div>
</body>
</html>
)html";

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(WqadminReport, CountsSessionsAndMinutesPerChildWeekAndProgram) {
    test::TempDir dir;
    makeInstallation(
        dir,
        {{"Sam", session({2026, 3, 2, 9, 5}, 12, "Words")},
         {"Ann", session({2026, 3, 3, 13, 30}, 20, "Phrases")},
         {"Sam", session({2026, 3, 4, 10, 0}, 5, "Words")},
         {"Sam", "Reads well; needs help with th.\r\n"},  // a teacher's note: no session
         {"Sam", session({2026, 3, 11, 14, 15}, 2, "Phrases")},
         {"Ann", session({2026, 3, 12, 9, 0}, 7, "Words")},
         // A session whose date cannot be read counts in the totals, in no week.
         {"Ann", "12:30 am, 31 Smarch 2026.  Session time: 2 minutes.\r\n   Words  2 mins\r\n"}},
        {"Teacher", "Sam", "Ann"});
    const auto r = runWqadmin({"report", dir.str()});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string& html = r.out;
    EXPECT_TRUE(holds(html,
                      "2 children read in 6 sessions; the charts show 2 weeks from "
                      "2 March 2026."))
        << html;

    const struct {
        std::string name;
        std::vector<std::string> parts, absent;
    } rows[] = {
        {"Sam",
         {"Wed 11 Mar 2026, 2:15 pm<br><span class=\"what\">Phrases, 2 min",
          "2 sessions<br>17 min</td>", "1 session<br>2 min</td>",
          "Week of 2 March 2026, Words: 2 sessions, 17 minutes",
          "Week of 9 March 2026, Phrases: 1 session, 2 minutes"},
         {"Week of 2 March 2026, Phrases", "Week of 9 March 2026, Words"}},
        {"Ann",
         {"Thu 12 Mar 2026, 9:00 am<br><span class=\"what\">Words, 7 min",
          "2 sessions<br>9 min</td>", "1 session<br>20 min</td>",
          "Week of 2 March 2026, Phrases: 1 session, 20 minutes",
          "Week of 9 March 2026, Words: 1 session, 7 minutes"},
         {"Week of 2 March 2026, Words", "Week of 9 March 2026, Phrases"}},
    };
    for (const auto& row : rows) {
        const std::string cells = rowOf(html, row.name);
        ASSERT_FALSE(cells.empty()) << row.name << html;
        for (const auto& part : row.parts) EXPECT_TRUE(holds(cells, part)) << row.name << part;
        for (const auto& part : row.absent) EXPECT_FALSE(holds(cells, part)) << row.name << part;
    }
    EXPECT_LT(html.find(rowOf(html, "Ann")), html.find(rowOf(html, "Sam")));  // alphabetical
    EXPECT_TRUE(holds(html, "never read (0)")) << html;
}

// The teacher's own sessions are not a child's reading, and the notes a teacher adds with
// `log add` appear under their child, dated.
TEST(WqadminReport, TheTeacherApartAndNotesUnderTheirChild) {
    test::TempDir dir;
    makeInstallation(dir,
                     {{"Teacher", session({2026, 3, 2, 8, 0}, 3, "Words")},
                      {"Sam", session({2026, 3, 2, 9, 5}, 12, "Words")},
                      {"Teacher", session({2026, 3, 3, 8, 0}, 4, "Phrases")},
                      {"Ann", session({2026, 3, 3, 13, 30}, 20, "Phrases")},
                      {"Ann", "Undated note from before.\r\n"}},
                     {"Teacher", "Sam", "Ann"});
    ASSERT_EQ(
        runWqadmin({"log", dir.str(), "add", "--user", "Sam", "Reads well;\nneeds th."}).status, 0);
    ASSERT_EQ(runWqadmin({"log", dir.str(), "add", "--user", "Zoe", "Starts Monday."}).status, 0);
    const auto r = runWqadmin({"report", dir.str()});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string& html = r.out;
    EXPECT_TRUE(holds(html, "2 children read in 2 sessions")) << html;
    // A note on a name without a session is not lost.
    EXPECT_TRUE(std::regex_search(
        html, std::regex(R"(<li>Zoe, \d{1,2} [A-Z][a-z]+ \d{4}: Starts Monday\.</li>)")))
        << html;
    EXPECT_TRUE(rowOf(html, "Teacher").empty());
    EXPECT_TRUE(holds(html,
                      "Signed in as Teacher (not counted above): 1 session of Words, "
                      "1 session of Phrases, 7 minutes."))
        << html;
    const std::regex dated(
        R"(<li><b>\d{1,2} [A-Z][a-z]+ \d{4}:</b> Reads well;<br>needs th\.</li>)");
    const size_t samRow = html.find("<td class=\"name\">Sam</td>");
    ASSERT_NE(samRow, std::string::npos);
    const std::string afterSam = html.substr(samRow, html.find("</tbody>") - samRow);
    EXPECT_TRUE(
        std::regex_search(afterSam.substr(0, afterSam.find("<td class=\"name\">", 5)), dated))
        << afterSam;
    EXPECT_TRUE(holds(rowOf(html, "Ann") + html.substr(html.find(rowOf(html, "Ann"))),
                      "<li>Undated note from before.</li>"));
}

TEST(WqadminReport, ListsChildrenOnTheListWhoNeverRead) {
    test::TempDir dir;
    makeInstallation(dir, {{"Sam", session({2026, 3, 2, 9, 5}, 12, "Words")}},
                     {"Teacher", "Sam", "Ben Okafor", "Chloe", "Ben Okafor"});
    const auto r = runWqadmin({"report", dir.str()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(holds(r.out,
                      "never read (2)</h2>\n<ul class=\"never\"><li>Ben Okafor</li>"
                      "<li>Chloe</li></ul>"))
        << r.out;
    EXPECT_FALSE(holds(r.out, "<li>Teacher</li>"));  // the teacher is no child
    EXPECT_FALSE(holds(r.out, "<li>Sam</li>"));
}

// Names come from teachers' files in Windows-1252 and may hold anything HTML gives a meaning.
TEST(WqadminReport, NamesAreConvertedAndEscaped) {
    test::TempDir dir;
    const std::string jose = "Jos\xE9 <b>&amp;";  // Windows-1252 é
    const std::string zoe = "Zo\xEB \"O'Neil\"";
    makeInstallation(dir, {{jose, session({2026, 3, 2, 9, 5}, 3, "Words")}},
                     {"Teacher", jose, zoe, "Tab\tname"});
    const auto r = runWqadmin({"report", dir.str()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(rowOf(r.out, "Jos\xC3\xA9 &lt;b&gt;&amp;amp;").empty()) << r.out;
    EXPECT_TRUE(holds(r.out, "<li>Zo\xC3\xAB &quot;O&#39;Neil&quot;</li>")) << r.out;
    EXPECT_TRUE(holds(r.out, "<li>Tab\xEF\xBF\xBDname</li>")) << r.out;
    EXPECT_FALSE(holds(r.out, "<b>"));
    EXPECT_FALSE(holds(r.out, "\xE9"));  // no Windows-1252 byte reaches the UTF-8 page
}

// The page declares UTF-8: a folder name in other bytes has them replaced, and a session whose
// time no clock shows is left out as the damaged entry it is.
TEST(WqadminReport, InvalidBytesAndImpossibleTimesStayOutOfThePage) {
    test::TempDir parent;
    const std::string folder = (parent / "class \xFF\xFE").string();
    std::filesystem::create_directory(folder);
    ASSERT_EQ(runWqadmin({"init", folder}).status, 0);
    const std::string damaged = "99:99 pm, 4 March 2026.  Session time: 3 minutes.\r\n   Words" +
                                std::string(30, ' ') + "  3 mins\r\n";
    std::string text = insertLogEntry("", damaged, "Sam");
    text = insertLogEntry(text, session({2026, 3, 3, 15, 10}, 4, "Words"), "Sam");
    std::ofstream(std::filesystem::path(folder) / "LOG.WQ", std::ios::binary)
        << encodeLogFile({}, text);
    const auto r = runWqadmin({"report", folder});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(holds(r.out, "class \xEF\xBF\xBD\xEF\xBF\xBD")) << r.out;
    EXPECT_FALSE(holds(r.out, "\xFF"));
    EXPECT_TRUE(holds(r.out, "3:10 pm")) << r.out;
    EXPECT_FALSE(holds(r.out, ":99")) << r.out;
}

// The page stands alone: nothing it shows or runs comes from elsewhere.
TEST(WqadminReport, ThePageIsSelfContained) {
    test::TempDir dir;
    makeInstallation(dir,
                     {{"Sam", session({2026, 3, 2, 9, 5}, 12, "Words")},
                      {"Ann", session({2026, 1, 5, 9, 5}, 4, "Phrases")}},
                     {"Teacher", "Sam", "Ann"});
    const auto r = runWqadmin({"report", dir.str()});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* outside : {"<script", "src=", "href=", "url(", "http:", "https:", "@import",
                                "<link", "<img", "<iframe", "<object"}) {
        EXPECT_FALSE(holds(r.out, outside)) << outside;
    }
    EXPECT_FALSE(std::regex_search(r.out, std::regex(R"(\son[a-z]+\s*=)")));  // event handlers
    EXPECT_TRUE(holds(r.out, "<meta charset=\"utf-8\">"));
    EXPECT_TRUE(holds(r.out, "@media print"));
    // Sessions nine weeks apart: the weeks between are charted too, empty.
    EXPECT_TRUE(holds(r.out, "the charts show 9 weeks from 5 January 2026")) << r.out;
}

TEST(WqadminReport, AnEmptyLogAndTheOutFile) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    ASSERT_EQ(runWqadmin({"users", dir.str(), "add", "Sam"}).status, 0);
    const auto r = runWqadmin({"report", dir.str()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(holds(r.out, "The log holds no sessions yet.")) << r.out;
    EXPECT_TRUE(holds(r.out, "never read (1)</h2>\n<ul class=\"never\"><li>Sam</li></ul>"));
    EXPECT_FALSE(holds(r.out, "<table>"));

    const std::string out = (dir / "report.html").string();
    dir.write("report.html", "an older report");
    const auto written = runWqadmin({"report", dir.str(), "--out", out});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(written.out.empty());
    EXPECT_EQ(dir.read("report.html"), r.out);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();  // no temporary
    }
}

TEST(WqadminReport, RefusesWhatIsNoInstallation) {
    test::TempDir dir;
    const struct {
        std::vector<std::string> args;
        std::string says;
    } cases[] = {
        {{"report", (dir / "nowhere").string()}, "is not an installation of Kiv and Zan"},
        {{"report", dir.str()}, "is not an installation of Kiv and Zan"},
    };
    for (const auto& c : cases) {
        const auto r = runWqadmin(c.args);
        EXPECT_EQ(r.status, 1) << c.args[1];
        EXPECT_TRUE(holds(r.err, c.says)) << r.err;
        EXPECT_TRUE(r.out.empty());
    }

    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    const struct {
        std::string file, bytes, says;
    } damaged[] = {
        {"LOG.WQ", "", "LOG.WQ"},
        {"LOG.WQ", std::string("\x50\x00short", 7), "is damaged"},
        {"USERS.WQ", "", "USERS.WQ"},
    };
    for (const auto& d : damaged) {
        test::TempDir inst;
        ASSERT_EQ(runWqadmin({"init", inst.str()}).status, 0);
        inst.write(d.file, d.bytes);
        const auto r = runWqadmin({"report", inst.str(), "--out", (inst / "r.html").string()});
        EXPECT_EQ(r.status, 1) << d.file;
        EXPECT_TRUE(holds(r.err, d.says)) << r.err;
        EXPECT_FALSE(std::filesystem::exists(inst / "r.html"));
    }

    const auto unwritable = runWqadmin({"report", dir.str(), "--out", dir.str() + "/no/r.html"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(holds(unwritable.err, "Could not write")) << unwritable.err;
}

// --from and --to: the report and the CSV count only the sessions of those days; a child whose
// sessions all lie outside them is among those who never read; dated notes follow their day.
TEST(WqadminReport, CountsOnlyTheDaysAsked) {
    test::TempDir dir;
    makeInstallation(
        dir,
        {{"Sam", session({2026, 3, 2, 9, 5}, 12, "Words")},
         {"Ann", session({2026, 2, 20, 13, 30}, 20, "Phrases")},
         {"Sam", "Note, 25 February 2026:\r\nEarly note.\r\n"},
         {"Sam", "Note, 3 March 2026:\r\nLate note.\r\n"},
         {"Sam", session({2026, 3, 9, 14, 15}, 2, "Phrases")},
         {"Ann", "12:30 am, 31 Smarch 2026.  Session time: 2 minutes.\r\n   Words  2 mins\r\n"}},
        {"Teacher", "Sam", "Ann"});
    const auto r = runWqadmin({"report", dir.str(), "--from", "2026-03-01", "--to", "2026-03-08"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(holds(r.out, "1 child read in 1 session;")) << r.out;
    EXPECT_TRUE(holds(r.out, "never read (1)</h2>\n<ul class=\"never\"><li>Ann</li>")) << r.out;
    EXPECT_TRUE(holds(r.out, "Late note.") && !holds(r.out, "Early note.")) << r.out;
    // No range: the whole log, as before.
    const auto all = runWqadmin({"report", dir.str()});
    EXPECT_TRUE(holds(all.out, "2 children read in 4 sessions;")) << all.out;

    const struct {
        std::vector<std::string> range;
        std::string csv;
    } csvCases[] = {
        {{"--from", "2026-03-02", "--to", "2026-03-02"},
         "user,start,minutes,program\nSam,2026-03-02T09:05,12,Kiv\n"},
        {{"--to", "2026-02-28"}, "user,start,minutes,program\nAnn,2026-02-20T13:30,20,Zan\n"},
        {{"--from", "2026-03-03"}, "user,start,minutes,program\nSam,2026-03-09T14:15,2,Zan\n"},
        {{},
         "user,start,minutes,program\nSam,2026-03-02T09:05,12,Kiv\nSam,2026-03-09T14:15,2,"
         "Zan\nAnn,2026-02-20T13:30,20,Zan\nAnn,,2,Kiv\n"},
    };
    for (const auto& c : csvCases) {
        std::vector<std::string> args = {"log", dir.str(), "--csv"};
        args.insert(args.end(), c.range.begin(), c.range.end());
        const auto csv = runWqadmin(args);
        EXPECT_EQ(csv.status, 0) << csv.err;
        EXPECT_EQ(csv.out, c.csv);
    }

    const struct {
        std::vector<std::string> args;
        std::string says;
    } bad[] = {
        {{"report", dir.str(), "--from", "2026-02-30"}, "--from takes a day written as 2026-03-07"},
        {{"report", dir.str(), "--to", "7 March"}, "--to takes a day written as 2026-03-07"},
        {{"report", dir.str(), "--from", "2026-03-08", "--to", "2026-03-01"}, "is after --to"},
        {{"log", dir.str(), "--csv", "--from", "20260301"}, "--from takes a day"},
        {{"log", dir.str(), "--from", "2026-03-01"}, "--csv"},
    };
    for (const auto& b : bad) {
        const auto out = runWqadmin(b.args);
        EXPECT_NE(out.status, 0) << b.says;
        EXPECT_TRUE(holds(out.err, b.says)) << out.err;
        EXPECT_TRUE(out.out.empty()) << out.out;
    }
}

// The English page whole, byte for byte, over a small log that reaches every sentence it writes:
// children in both programs over two weeks, a session with an unreadable date, the teacher's own
// session, a note under its child and one on a name without a session, a name never read. Only
// the day the page was made changes from run to run.
std::string reportOfEverySentence(const test::TempDir& dir) {
    makeInstallation(
        dir,
        {{"Sam", session({2026, 3, 2, 9, 5}, 12, "Words")},
         {"Ann", session({2026, 3, 3, 13, 30}, 20, "Phrases")},
         {"Teacher", session({2026, 3, 3, 8, 0}, 3, "Words")},
         {"Sam", "Note, 3 March 2026:\r\nReads well.\r\n"},
         {"Zoe", "Starts Monday.\r\n"},
         {"Sam", session({2026, 3, 11, 14, 15}, 2, "Phrases")},
         {"Ann", session({2026, 3, 12, 0, 40}, 7, "Words")},
         {"Ann", "12:30 am, 31 Smarch 2026.  Session time: 2 minutes.\r\n   Words  2 mins\r\n"},
         {"Ben", "12:30 am, 31 Smarch 2026.  Session time: 4 minutes.\r\n   Phrases  4 mins\r\n"}},
        {"Teacher", "Sam", "Ann", "Lea"});
    const auto r = runWqadmin({"report", dir.str()});
    EXPECT_EQ(r.status, 0) << r.err;
    std::string html = std::regex_replace(
        r.out, std::regex(R"(made on \d{1,2} [A-Z][a-z]+ \d{4}\.)"), "made on TODAY.");
    const std::string folder = dir.path().filename().string();
    for (size_t at; (at = html.find(folder)) != std::string::npos;)
        html.replace(at, folder.size(), "CLASS");
    return html;
}

TEST(WqadminReport, TheEnglishPageWhole) {
    test::TempDir dir;
    const std::string html = reportOfEverySentence(dir);
    EXPECT_EQ(html, kEnglishPage);
}

}  // namespace
}  // namespace kz
