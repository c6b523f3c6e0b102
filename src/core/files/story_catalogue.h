#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/story_rows.h"

namespace kz {

enum class Program { Kiv, Zan };

// What the child and teacher see for a story or word-list file name.
struct StoryInfo {
    std::string title;        // empty when the name is not in the catalogue
    std::string credit;       // "by ..." unless the row says otherwise
    std::string illustrator;  // empty when unknown
};

inline constexpr std::string_view kDefaultCredit = "by Ruth Penrose";

// Looks up a file name (any case, with or without extension and surrounding spaces). The story
// reader also knows the eight book-range names; the word activity titles word lists named by a
// book range, such as 0001TO24 ("Books 1 to 24").
//
// dataRows are the rows delivered with the stories (readCatalogueFile): they follow the built-in
// rows, and a row there for a code the built-in table has replaces it, since only a teacher who
// made that story writes one. An empty credit cell of such a row means the story has no credit
// line (a teacher's story is not by the series author).
StoryInfo storyTitle(std::string_view fileName, Program program,
                     const std::vector<CatalogueRow>& dataRows = {});

// Whether the name is that of a book range (0009TO24): the word activity titles such a list
// "Books 9 to 24", in the windows' language when a translator is installed.
bool isBookRangeName(std::string_view fileName);

// The story codes of the catalogue, lower-case, in table order.
std::vector<std::string> storyCatalogueKeys();

}  // namespace kz
