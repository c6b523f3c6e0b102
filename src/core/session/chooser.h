#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/story_catalogue.h"

namespace kz {

// What the story and word-list chooser lists: each file of a folder by its catalogue title,
// unknown files left out, and stories outside a range of numbers left out when restricted
// ("RESTRICT01:32"; any other request lists everything).
struct ChooserEntry {
    std::string title;
    std::string fileName;
};
struct ChooserList {
    std::vector<ChooserEntry> entries;
    std::optional<size_t> selected;  // the entry of the file in use, if listed
    bool restricted = false;
};

// catalogueRows: the rows delivered with the stories (readCatalogueFile), for teachers' stories.
ChooserList chooserList(const std::vector<std::string>& fileNames, std::string_view request,
                        std::string_view currentFile, Program program,
                        const std::vector<CatalogueRow>& catalogueRows = {});

// The files of a folder matching a pattern such as "*.TXT" (letter case ignored), in name order
// (letter case ignored; names that differ only in case in byte order), named as the programs
// hold names (Windows-1252); a name without that form is left out.
std::vector<std::string> listFolder(std::string_view folder, std::string_view pattern);

}  // namespace kz
