#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kz::admin {

// What `wqadmin init DIR --programs` adds to a classroom folder beside its settings: links to the
// installed programs and help documents, and desktop entries that start the programs through the
// links, so that the programs take DIR for their installation folder and write only there.
struct ClassroomLink {
    std::filesystem::path link, target;
};
struct ClassroomFile {
    std::filesystem::path path;
    std::string bytes;
};
struct Classroom {
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

// Makes the links and writes the desktop entries (executable, as launchers on a desktop must be).
void makeClassroom(const Classroom& classroom);

}  // namespace kz::admin
