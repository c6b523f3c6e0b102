// The staged installation's help: each program's document in English and in every language the
// programs speak, beside the programs and as written in help/, and every picture a document names
// in the staged help-pictures folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "staged_installation.h"

namespace kz::sample {
namespace {

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(SampleHelp, EveryProgramsHelpInEveryLanguageSitsBesideThePrograms) {
    const std::filesystem::path stage(stageDir()), source(KZ_HELP_DIR);
    const std::regex picture(R"re(<img\b[^>]*\bsrc="([^"]+)")re", std::regex::icase);
    for (const std::string program : {"kiv", "zan", "desk"}) {
        for (const std::string language : {"", ".fr", ".es", ".de"}) {
            const std::string name = program + "-help" + language + ".html";
            ASSERT_TRUE(std::filesystem::is_regular_file(stage / name)) << name;
            const std::string staged = bytesOf(stage / name);
            // Whole documents, so only the name is worth showing when they differ.
            EXPECT_TRUE(staged == bytesOf(source / name)) << name << " differs from help/";
            for (std::sregex_iterator it(staged.begin(), staged.end(), picture), end; it != end;
                 ++it) {
                EXPECT_TRUE(std::filesystem::is_regular_file(stage / (*it)[1].str()))
                    << name << " names " << (*it)[1].str();
            }
        }
    }
}

}  // namespace
}  // namespace kz::sample
