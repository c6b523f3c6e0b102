#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fake_host.h"
#include "fake_ports.h"
#include "fake_wave_player.h"
#include "files/story.h"
#include "files/story_file.h"
#include "session/app_state.h"
#include "temp_dir.h"
#include "zan/story_reader.h"
#include "zan/zan_view.h"

namespace kz::test {

// Records what the reader window would show: every setter keeps the latest value.
struct FakeZanView : ZanView {
    struct Slot {
        TwipRect rect;
        double points = 0;
        bool visible = false;
    };
    struct Picture {
        std::string source;  // the file loaded, or "(preloaded)"
        TwipRect rect;
        bool stretch = false;
        bool visible = false;
    };

    void setWindowCaption(std::string_view title) override { caption = title; }
    void setOpenEnabled(bool enabled) override { openEnabled = enabled; }
    void placeControls(const ControlsLayout& layout) override { controls = layout; }
    void showMargin() override { marginShown = true; }
    void setButtonVisible(ZanButton b, bool visible) override { buttons[b] = visible; }
    void focusButton(ZanButton b) override { focus = b; }
    void prepareSlots(int pictures, int texts, const FontSpec& font) override {
        pictureSlots = pictures;
        textSlots = texts;
        textFont = font;
        slots.clear();
        captions.clear();
        this->pictures.clear();
    }
    void placeTextSlot(int slot, const TwipRect& rect, double points, bool visible) override {
        slots[slot] = {rect, points, visible};
    }
    void setTextCaption(int slot, std::string_view text) override { captions[slot] = text; }
    void setCredits(std::string_view text) override { credits = text; }
    void placeCredits(const TwipRect& rect, double points, bool visible) override {
        creditsSlot = {rect, points, visible};
    }
    void hidePicture(int slot) override { pictures[slot].visible = false; }
    bool loadPicture(int slot, const std::string& path) override {
        pictureLoads.push_back(path);
        if (unloadable.count(path)) return false;
        pictures[slot].source = path;
        return true;
    }
    void takePreloadedPicture(int slot) override { pictures[slot].source = "(preloaded)"; }
    void placePicture(int slot, const TwipRect& rect, bool stretch) override {
        pictures[slot].rect = rect;
        pictures[slot].stretch = stretch;
        pictures[slot].visible = true;
    }
    bool preloadPicture(const std::string& path) override {
        preloads.push_back(path);
        return !unloadable.count(path);
    }
    bool loadPalette(const std::string& path) override {
        palettes.push_back(path);
        return true;
    }
    void setWordEntries(const std::vector<std::string>& list) override { entries = list; }
    void placeWordList(const WordListLayout& layout) override { wordList = layout; }
    void setWordListVisible(bool visible) override { listVisible = visible; }
    void clearWordSelection() override { ++selectionCleared; }
    void setWordListFlash(bool red) override { flashRed = red; }
    void fatalError(const FatalError& error) override { fatal.push_back(error); }

    bool button(ZanButton b) const { return buttons.count(b) ? buttons.at(b) : true; }
    // The page text as the child sees it: the captions of the shown slots, joined by "/".
    std::string pageText() const {
        std::string text;
        for (const auto& [slot, caption] : captions) {
            if (!slots.count(slot) || !slots.at(slot).visible || caption.empty()) continue;
            if (!text.empty()) text += "/";
            text += caption;
        }
        return text;
    }

    std::string caption;
    bool openEnabled = true;
    ControlsLayout controls;
    bool marginShown = false;
    std::map<ZanButton, bool> buttons;  // all five shown when the window is made
    std::optional<ZanButton> focus;
    int pictureSlots = 0, textSlots = 0;
    FontSpec textFont;
    std::map<int, Slot> slots;
    std::map<int, std::string> captions;
    std::string credits;
    Slot creditsSlot;
    std::map<int, Picture> pictures;
    std::vector<std::string> pictureLoads, preloads, palettes;
    std::set<std::string> unloadable;
    std::vector<std::string> entries;
    WordListLayout wordList;
    bool listVisible = false;
    int selectionCleared = 0;
    bool flashRed = false;
    std::vector<FatalError> fatal;
};

// A story of pages of text lines (each page's lines in text slots 1, 2, ...) with one picture
// "PICnn" a page and the next page's picture named as the one to preload.
Story makeStory(const std::vector<std::vector<std::string>>& pages, int16_t fontSize = 24);

// An installation and a data directory holding stories, their pictures and recordings, with the
// fakes of every port, ready to make a reader.
struct ReaderFixture {
    ReaderFixture();
    // Writes DATA\<code>.DAT and the files its pages need (palette, pictures, recordings).
    void addStory(const std::string& code, const Story& story, const TempDir* dir = nullptr);
    void addWordSound(const std::string& stem);
    StoryReader& reader(ReaderDisplay display = {});
    // The child clicks the entry showing `word` (the first one not yet emptied).
    WordClick click(const std::string& word);
    // Clicks the expected word until the page ends.
    void readPage();
    std::string dataPath(const std::string& relative) const;

    TempDir app, data;
    AppState state;
    FakeTimers timers;
    FakeClock clock{&timers};
    std::vector<std::string> sounds;  // both players' commands in order
    FakeWavePlayer word{"Word", &sounds};
    FakeWavePlayer page{"Sentence", &sounds};
    FakeTextMeasure text;
    ScriptedRandom random;
    FakeHost host;
    ProgramPorts ports{timers, word, page, text, random, clock, host};
    FakeZanView view;
    PhraseTables tables;  // written to DATA/PHRASES.TXT by reader()
    std::unique_ptr<StoryReader> made;
};

}  // namespace kz::test
