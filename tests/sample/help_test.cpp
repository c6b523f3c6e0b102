// The staged installation's help: each program's document in English and in every language the
// programs speak, beside the programs and as written in help/, and every picture a document names
// in the staged help-pictures folder, every language's pictures as help/ holds them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
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

// The pictures of every language (NAME.png, NAME.fr.png ...) reach the stage as help/ has them,
// so a class folder or a package made from it shows each document with its own pictures.
TEST(SampleHelp, EveryHelpPictureOfEveryLanguageIsStagedAsWritten) {
    const std::filesystem::path staged = std::filesystem::path(stageDir()) / "help-pictures";
    const std::filesystem::path source = std::filesystem::path(KZ_HELP_DIR) / "help-pictures";
    std::set<std::string> languages;
    for (const auto& entry : std::filesystem::directory_iterator(source)) {
        const std::string name = entry.path().filename().string();
        ASSERT_TRUE(std::filesystem::is_regular_file(staged / name)) << name << " not staged";
        EXPECT_TRUE(bytesOf(staged / name) == bytesOf(entry.path())) << name << " differs";
        const auto stem = entry.path().stem();
        languages.insert(stem.has_extension() ? stem.extension().string() : "");
    }
    EXPECT_EQ(languages, (std::set<std::string>{"", ".fr", ".es", ".de"}));
}

}  // namespace
}  // namespace kz::sample
