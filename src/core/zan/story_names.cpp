#include "zan/story_names.h"

#include <optional>

#include "files/shown_text.h"
#include "files/text.h"

namespace kz {

std::string paletteFileName(std::string_view code) {
    return "BMPS\\" + std::string(code) + "\\" + std::string(code) + ".DIB";
}

std::string pictureFileName(std::string_view code, std::string_view name) {
    return "BMPS\\" + std::string(code) + "\\" + std::string(name) + ".BMP";
}

std::string pageRecordingName(std::string_view code, int page) {
    const std::string number = "00" + std::to_string(page);
    return "WAVS\\" + std::string(code) + "\\SNT" + number.substr(number.size() - 2) + ".WAV";
}

std::string wordSoundName(std::string_view stem) {
    return "WAVS\\WDS\\" + std::string(stem) + ".WAV";
}

bool staysInside(std::string_view name) {
    if (name.empty() || name.front() == '\\' || name.front() == '/') return false;
    if (name.find(':') != std::string_view::npos) return false;
    int depth = 0;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = name.size();
        const std::string_view part = trimSpaces(name.substr(start, end - start));
        if (part == "..") {
            if (--depth < 0) return false;
        } else if (!part.empty() && part != ".") {
            ++depth;
        }
        start = end + 1;
    }
    return true;
}

bool isPlainStoryCode(std::string_view code) {
    return !code.empty() && code.find_first_of("\\/:") == std::string_view::npos &&
           code.find("..") == std::string_view::npos;
}

std::string storyCodeOfFile(std::string_view fileName) {
    return std::string(fileName.substr(0, fileName.find('.')));
}

std::optional<std::string> fallbackStoryCode(
    const std::vector<std::string>& fileNames,
    const std::function<bool(const std::string& code)>& usable) {
    for (const auto& name : fileNames) {
        if (name.empty()) break;
        const double number = leadingNumber(name);
        if (number < 17 || number > 32) continue;
        std::string code = name;
        if (code.size() >= 4 && toUpperAscii(code.substr(code.size() - 4)) == ".DAT")
            code.resize(code.size() - 4);
        if (!usable(code)) continue;
        return code;
    }
    return std::nullopt;
}

namespace {

// The catalogue's credits ("by Ruth Penrose", "retold by Ruth Penrose") in the windows' language;
// a credit written some other way, such as a teacher's own in the class's language, as written.
std::string creditInLanguage(const std::string& credit) {
    const auto after = [&](std::string_view english) {
        return credit.rfind(english, 0) == 0 ? std::optional(credit.substr(english.size()))
                                             : std::nullopt;
    };
    // The sentences written out, so that lupdate collects them.
    if (auto name = after("retold by "))
        return fillIn(translate("kz::StoryNames", "retold by %1"), {*name});
    if (auto name = after("by ")) return fillIn(translate("kz::StoryNames", "by %1"), {*name});
    return credit;
}

}  // namespace

std::string creditsText(const StoryInfo& info) {
    if (info.credit.empty()) {
        return info.illustrator.empty()
                   ? std::string()
                   : fillIn(translate("kz::StoryNames", "Pictures by %1"), {info.illustrator});
    }
    return fillIn(translate("kz::StoryNames", "Story %1\nPictures by %2"),
                  {creditInLanguage(info.credit), info.illustrator});
}

}  // namespace kz
