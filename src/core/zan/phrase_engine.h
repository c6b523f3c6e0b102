#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/story.h"

namespace kz {

// What the phrase engine asks of the reader window.
class PhraseView {
public:
    virtual ~PhraseView() = default;
    // Empties the list of words to click.
    virtual void clearWordList() = 0;
    // Lists the words of the phrase to click, in reading order (ShowPhraseWords).
    virtual void showPhraseWords(std::span<const std::string> words) = 0;
    // The page has no more phrases (EndOfPage): the navigation takes over.
    virtual void endOfPage() = 0;
    // Shows text in text slot `slot` (from 1) of the page.
    virtual void setCaption(int slot, std::string_view text) = 0;
};

// Reveals a page's text phrase by phrase, following the story's phrase-break table: positive
// breaks end phrases the child clicks word by word, a break -k (k > 1) shows words up to k at
// once, -1 shows word 1 and ends the page, and 0, an empty break or the end of the entry ends it.
//
// Tables and stories are trusted no further than is safe: a break past the page's last word ends
// the phrase at that word and then the page, and words past the story's word capacity are not
// read, so the page ends after word wordCapacity.
class PhraseEngine {
public:
    explicit PhraseEngine(PhraseView& view) : m_view(view) {}

    // The table of the story being read (SelectPhraseTable gives it); empty: no phrases.
    void setPhraseTable(std::string table) { m_table = std::move(table); }
    const std::string& phraseTable() const { return m_table; }

    // Takes the words of page `page` (from 1) of story, starts at word 1 and starts the first
    // phrase. Only text slots used on the page (lineLeft of 1 or more) count.
    void buildPageWords(const Story& story, int page);

    // Steps to the next phrase of the page.
    void nextPhrase();

    // Shows the page text up to word n: whole slots before it, the slot holding it up to that word
    // and the spaces after it.
    void revealWords(int n);

    // The child read the word to click next right: the page text shows it, and the word after
    // it is the one to click. True when that was the phrase's last word; the caller then steps
    // to the next phrase (nextPhrase) once it has put the word list away.
    bool wordRead();

    // gWordPos: the word the child clicks next.
    int wordPos() const { return m_wordPos; }
    // gPhraseLeft: words of the phrase not yet clicked.
    int phraseLeft() const { return m_phraseLeft; }

    // PageWords(n) for n from 1 to wordCount(); "" otherwise.
    const std::string& pageWord(int n) const;
    int wordCount() const { return static_cast<int>(m_words.size()); }
    // WordEnd(slot): the words of slots 1 to slot together.
    int wordEnd(int slot) const;

private:
    // The first break of the page's entry that is still ahead of wordPos; nullopt: no entry.
    std::optional<int> nextBreak() const;
    // The breaks of the page's entry (the text after the page number); nullopt: no entry.
    std::optional<std::string_view> pageBreaks() const;

    PhraseView& m_view;
    std::string m_table;
    int m_page = 0;
    std::vector<std::string> m_words;      // PageWords(1) is m_words[0]
    std::vector<int> m_wordEnd;            // WordEnd(j) is m_wordEnd[j - 1]
    std::vector<std::string> m_slotTexts;  // the texts of slots 1 to textSlots on this page
    int m_wordPos = 1;
    int m_phraseLeft = 0;
};

}  // namespace kz
