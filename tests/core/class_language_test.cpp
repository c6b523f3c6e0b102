#include "session/class_language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "temp_dir.h"

namespace kz {
namespace {

// The desktop's language variables, set as a case needs them and put back afterwards.
class LanguageEnvironment {
public:
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    LanguageEnvironment() {
        for (const char* name : kNames) {
            if (const char* value = std::getenv(name)) m_saved[name] = value;
            ::unsetenv(name);
        }
    }
    ~LanguageEnvironment() {
        for (const char* name : kNames) {
            const auto it = m_saved.find(name);
            if (it == m_saved.end()) {
                ::unsetenv(name);
            } else {
                ::setenv(name, it->second.c_str(), 1);
            }
        }
    }
    void set(const std::map<std::string, std::string>& values) {
        for (const auto& [name, value] : values) ::setenv(name.c_str(), value.c_str(), 1);
    }

private:
    std::map<std::string, std::string> m_saved;
};

struct LanguageCase {
    const char* name;
    std::optional<std::string> classFile;  // the bytes of LANGUAGE.TXT, none when absent
    std::map<std::string, std::string> desktop;
    std::string chosen;
};

TEST(ClassLanguage, TheClassFileComesFirstThenTheDesktopInItsOrder) {
    const LanguageCase cases[] = {
        {"nothing set", std::nullopt, {}, "en"},
        {"LANG alone", std::nullopt, {{"LANG", "fr_FR.UTF-8"}}, "fr"},
        {"LANG with a modifier", std::nullopt, {{"LANG", "de_DE@euro"}}, "de"},
        {"LANG without territory", std::nullopt, {{"LANG", "es"}}, "es"},
        {"LC_MESSAGES before LANG",
         std::nullopt,
         {{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE"}},
         "de"},
        {"LC_ALL before LC_MESSAGES",
         std::nullopt,
         {{"LC_MESSAGES", "de_DE"}, {"LC_ALL", "es_ES.UTF-8"}},
         "es"},
        {"LANGUAGE first, a list",
         std::nullopt,
         {{"LANGUAGE", "fr:de"}, {"LC_ALL", "es_ES"}},
         "fr"},
        {"an empty variable is passed over",
         std::nullopt,
         {{"LANGUAGE", ""}, {"LANG", "de_AT.UTF-8"}},
         "de"},
        {"C is English", std::nullopt, {{"LANG", "C"}}, "en"},
        {"C.UTF-8 is English", std::nullopt, {{"LANG", "C.UTF-8"}}, "en"},
        {"POSIX is English", std::nullopt, {{"LC_ALL", "POSIX"}, {"LANG", "fr_FR"}}, "en"},
        {"upper-case code", std::nullopt, {{"LANG", "FR_fr"}}, "fr"},
        {"the class file over the desktop", "de\r\n", {{"LANG", "fr_FR.UTF-8"}}, "de"},
        {"class file without line end", "es", {{"LANGUAGE", "fr"}}, "es"},
        {"class file in capitals, LF", "FR\n", {}, "fr"},
        {"class file with spaces after the code", "fr  \r\n", {{"LANG", "de_DE"}}, "fr"},
        {"class file saying English", "en\r\n", {{"LANG", "de_DE"}}, "en"},
        {"an empty class file leaves the desktop's", "", {{"LANG", "de_DE"}}, "de"},
        {"a class file of nonsense leaves the desktop's",
         "français\r\n",
         {{"LANG", "es_ES"}},
         "es"},
        {"a one-letter class file leaves the desktop's", "f\r\n", {{"LANG", "es_ES"}}, "es"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LanguageEnvironment environment;
        environment.set(c.desktop);
        test::TempDir dir;
        if (c.classFile) dir.write(kClassLanguageFile, *c.classFile);
        EXPECT_EQ(chosenLanguage(dir.str()), c.chosen);
    }
}

TEST(ClassLanguage, SettingWritesTheFileTheProgramsReadAndClearingRemovesIt) {
    LanguageEnvironment environment;
    environment.set({{"LANG", "es_ES.UTF-8"}});
    test::TempDir dir;
    ASSERT_TRUE(setClassLanguage(dir.str(), "de"));
    EXPECT_EQ(dir.read(kClassLanguageFile), "de\r\n");
    EXPECT_EQ(chosenLanguage(dir.str()), "de");
    ASSERT_TRUE(setClassLanguage(dir.str(), ""));
    EXPECT_FALSE(std::filesystem::exists(dir / kClassLanguageFile));
    EXPECT_EQ(chosenLanguage(dir.str()), "es");
    // Clearing a class that has no file of its own is no failure.
    EXPECT_TRUE(setClassLanguage(dir.str(), ""));
    for (const char* bad : {"f", "fren", "f1", "fr_FR", "é"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(setClassLanguage(dir.str(), bad));
        EXPECT_FALSE(std::filesystem::exists(dir / kClassLanguageFile));
    }
}

}  // namespace
}  // namespace kz
