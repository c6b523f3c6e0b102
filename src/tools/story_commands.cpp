#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>

#include "admin_common.h"
#include "command_failed.h"
#include "commands.h"
#include "console_text.h"
#include "files/cp1252.h"
#include "files/paths.h"
#include "files/story_file.h"
#include "files/text.h"
#include "story_json.h"
#include "story_make.h"

namespace kz::admin {
namespace {

void printListing(const Story& story) {
    std::cout << "pages " << story.pageCount << ", picture slots " << story.pictureSlots
              << ", text slots " << story.textSlots << ", word capacity " << story.wordCapacity
              << ", font size " << story.fontSize << '\n';
    for (int p = 1; p <= static_cast<int>(story.pages.size()); ++p) {
        const StoryPage& page = story.page(p);
        std::cout << "page " << p << '\n';
        for (const auto& t : page.texts) {
            std::cout << "  text at " << t.lineLeft << ',' << t.lineTop << ": "
                      << terminalText(t.text) << '\n';
        }
        for (const auto& pic : page.pictures) {
            std::cout << "  picture at " << pic.left << ',' << pic.top << ": "
                      << terminalText(pic.name) << '\n';
        }
        if (!page.nextPicture.empty()) {
            std::cout << "  next picture: " << terminalText(page.nextPicture) << '\n';
        }
    }
}

void decode(const std::string& file, bool asJson) {
    const auto story = readStoryFile(std::filesystem::absolute(file).string());
    if (!story.ok()) {
        // The message the reader would show before ending.
        std::cout << forTerminal(fatalMessage(story.error(), "").text) << '\n';
        throw CLI::RuntimeError(1);
    }
    if (asJson)
        std::cout << storyToJson(*story).dump(2) << '\n';
    else
        printListing(*story);
}

void encode(const std::string& source, const std::string& out) {
    const auto text = readWholeFile(source);
    if (!text) throw CommandFailed("cannot read " + terminalPath(source));
    const auto json = nlohmann::json::parse(*text, nullptr, false);
    if (json.is_discarded()) throw CommandFailed(terminalPath(source) + " is not valid JSON");
    const Story story = storyFromJson(json);
    if (auto problem = storyProblem(story)) throw CommandFailed(*problem);
    if (!writeFileAtomically(out, encodeStory(story)))
        throw CommandFailed("cannot write " + terminalPath(out));
}

void make(const Installation& inst, const std::string& code, const std::string& source,
          const SpeechVoice& voice, bool force) {
    const StoryMakeResult result = makeStory(
        {inst.appDir, inst.dataDir, code, source, withClassVoice(voice, inst.appDir), force});
    if (!result.problem.empty()) throw CommandFailed(result.problem + " Nothing was written.");
    for (const auto& path : result.removed) std::cout << "removed " << path << '\n';
    for (const auto& path : result.written) std::cout << "wrote   " << path << '\n';
    for (const auto& path : result.kept) std::cout << "kept    " << path << '\n';
    std::cout << "The story " << toUpperAscii(code)
              << " is ready: Zan lists it under File > Open.\n";
}

}  // namespace

void addStoryCommands(CLI::App& app) {
    auto* story = app.add_subcommand("story", "Read and write story data files (DATA\\<code>.DAT)");
    story->require_subcommand(1);

    auto* decodeCmd = story->add_subcommand("decode", "Read a story file as the story reader does");
    auto file = std::make_shared<std::string>();
    auto asJson = std::make_shared<bool>(false);
    decodeCmd->add_option("FILE", *file, "Story file (.DAT)")->transform(heldPath)->required();
    decodeCmd->add_flag("--json", *asJson, "Print the story as JSON (texts in UTF-8)");
    decodeCmd->callback([file, asJson] { decode(*file, *asJson); });

    auto* encodeCmd = story->add_subcommand("encode", "Write a story file from its JSON");
    auto source = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    encodeCmd->add_option("SOURCE", *source, "Story as JSON, in the shape decode --json prints")
        ->transform(heldPath)
        ->required();
    encodeCmd->add_option("OUT", *out, "Story file to write (.DAT)")
        ->transform(heldPath)
        ->required();
    encodeCmd->callback([source, out] { encode(*source, *out); });

    auto* makeCmd = story->add_subcommand(
        "make",
        "Make a story from a folder holding story.txt and its pictures: the story file, the "
        "pictures, every page and word recording (espeak-ng), its phrase table and catalogue rows");
    auto dir = std::make_shared<std::string>();
    auto code = std::make_shared<std::string>();
    auto folder = std::make_shared<std::string>();
    auto voice = std::make_shared<SpeechVoice>();
    auto force = std::make_shared<bool>(false);
    makeCmd->add_option("DIR", *dir, "Installation directory")->transform(heldPath)->required();
    makeCmd->add_option("CODE", *code, "Story code: a number 01 to 32 and up to six letters")
        ->required();
    makeCmd->add_option("SRC", *folder, "Folder holding story.txt and the pictures")
        ->transform(heldPath)
        ->required();
    makeCmd->add_option("--voice", voice->name,
                        "espeak-ng voice (default: the class's language, fr, es, de or en-gb; "
                        "espeak-ng --voices lists them)");
    makeCmd->add_option("--speed", voice->wordsPerMinute, "Words a minute (default 110)")
        ->check(CLI::Range(80, 450));
    makeCmd->add_flag("--force", *force, "Replace the story that already has this number");
    makeCmd->callback([=] { make(openInstallation(*dir), *code, *folder, *voice, *force); });
}

}  // namespace kz::admin
