#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kz::admin {

// What `wqadmin init DIR --programs` adds to a classroom folder beside its settings: links to the
// installed programs and help documents, desktop entries that start the programs through the
// links, so that the programs take DIR for their installation folder and write only there, and
// the data folders (DATA, BMPS, WAVS, WAVS/WDS, WORDLIST and the story folders in them) as real
// folders whose sample entries link to the installed files: DIR is its own data directory, and
// the teacher's lists, recordings and stories go beside the sample's.
struct ClassroomLink {
    std::filesystem::path link, target;
};
struct ClassroomFile {
    std::filesystem::path path;
    std::string bytes;
};
struct Classroom {
    std::vector<std::filesystem::path> folders;  // made where missing, parents first
    std::vector<ClassroomLink> links;
    std::vector<ClassroomFile> desktopEntries;
};

// The folder of the running wqadmin, links followed: where the installed programs are.
std::filesystem::path wqadminFolder();

// Everything to make in `classroom` (absolute) for the installation folder `installed`
// (absolute): kiv and zan, every entry whose name holds "help" (the help documents and what they
// show), and kiv.desktop and zan.desktop. Fails, naming it, when a program is missing or a
// folder name cannot be written into a desktop entry.
Classroom planClassroom(const std::filesystem::path& installed,
                        const std::filesystem::path& classroom);

// What making or renewing a classroom did.
struct ClassroomChanges {
    int folders = 0, links = 0, entries = 0, dropped = 0;
};

// Makes the folders, links and desktop entries (executable, as launchers on a desktop must be)
// that are missing; an entry the class has already, a file of its own or a link, stays as it is,
// and nothing is made inside a folder the class holds as something else.
ClassroomChanges makeClassroom(const Classroom& classroom);

// Removes the class's links into `installed` that lead nowhere any more (an upgrade removed or
// renamed the file), among the classroom's own entries and in its data folders; returns how many.
int dropDanglingLinks(const std::filesystem::path& classroom,
                      const std::filesystem::path& installed);

}  // namespace kz::admin
