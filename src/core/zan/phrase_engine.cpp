#include "zan/phrase_engine.h"

#include <algorithm>
#include <cmath>

#include "files/text.h"

namespace kz {
namespace {

// A break as the table writes it: the leading whole number of the text, 0 when there is none.
int readBreak(std::string_view text) {
    const double value = roundHalfEven(leadingDecimalNumber(text).value_or(0.0));
    return static_cast<int>(std::clamp(value, -1e9, 1e9));
}

}  // namespace

void PhraseEngine::buildPageWords(const Story& story, int page) {
    m_page = page;
    m_wordPos = 1;
    m_phraseLeft = 0;
    m_words.clear();
    m_wordEnd.clear();
    m_slotTexts.clear();
    m_view.clearWordList();
    const bool pageExists = page >= 1 && page <= static_cast<int>(story.pages.size());
    const size_t capacity = static_cast<size_t>(std::max<int>(story.wordCapacity, 0));
    int count = 0;
    for (int j = 1; j <= story.textSlots; ++j) {
        const StoryText none;
        const StoryText& slot = pageExists ? story.page(page).textSlot(j) : none;
        m_slotTexts.push_back(slot.text);
        if (slot.lineLeft >= 1) {
            std::string_view rest = trimSpaces(slot.text);
            while (!rest.empty()) {
                const size_t space = rest.find(' ');
                const std::string_view piece = trimSpaces(rest.substr(0, space));
                rest =
                    space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
                if (piece.empty()) continue;
                ++count;
                if (m_words.size() < capacity) m_words.emplace_back(piece);
            }
        }
        m_wordEnd.push_back(count);
    }
    nextPhrase();
}

std::optional<std::string_view> PhraseEngine::pageBreaks() const {
    const std::string key = "|" + std::to_string(m_page) + ",";
    const size_t entry = m_table.find(key);
    if (entry == std::string::npos) return std::nullopt;
    const std::string_view rest = std::string_view(m_table).substr(entry + key.size());
    return rest.substr(0, rest.find('|'));
}

std::optional<int> PhraseEngine::nextBreak() const {
    auto breaks = pageBreaks();
    if (!breaks) return std::nullopt;
    for (;;) {
        const int b = readBreak(*breaks);
        const size_t comma = breaks->find(',');
        *breaks = comma == std::string_view::npos ? std::string_view() : breaks->substr(comma + 1);
        if (b == 0 || b == -1 || m_wordPos < std::abs(b)) return b;
    }
}

void PhraseEngine::nextPhrase() {
    for (;;) {
        const int b = nextBreak().value_or(0);
        if (b == 0) break;
        if (b == -1) {
            m_wordPos = 2;
            revealWords(1);
            break;
        }
        const int last = wordCount();
        if (m_wordPos > last) break;  // a break past the page's words: nothing left to read
        if (b > 0) {
            const int end = std::min(b, last);
            m_view.showPhraseWords(std::span<const std::string>(m_words).subspan(
                static_cast<size_t>(m_wordPos - 1), static_cast<size_t>(end - m_wordPos + 1)));
            m_phraseLeft = end - m_wordPos + 1;
            return;
        }
        const int shown = std::min(-b, last);
        m_wordPos = shown + 1;
        revealWords(shown);
    }
    m_view.endOfPage();
}

void PhraseEngine::revealWords(int n) {
    int last = 0;
    int a = 0;
    const int slots = static_cast<int>(m_slotTexts.size());
    for (int i = 1; i <= slots; ++i) {
        if (n < wordEnd(i)) continue;
        m_view.setCaption(i, m_slotTexts[static_cast<size_t>(i - 1)]);
        last = wordEnd(i);
        a = i;
    }
    if (last == n || a + 1 > slots) return;
    const std::string_view s = trimSpaces(m_slotTexts[static_cast<size_t>(a)]);
    size_t pos = 0;  // 0-based: the characters before pos are shown
    for (int w = 0; w < n - last; ++w) {
        const size_t space = s.find(' ', pos);
        if (space == std::string_view::npos) {
            pos = s.size();
            break;
        }
        pos = s.find_first_not_of(' ', space);
        if (pos == std::string_view::npos) pos = s.size();
    }
    m_view.setCaption(a + 1, s.substr(0, pos));
}

const std::string& PhraseEngine::pageWord(int n) const {
    static const std::string none;
    return n >= 1 && n <= wordCount() ? m_words[static_cast<size_t>(n - 1)] : none;
}

int PhraseEngine::wordEnd(int slot) const {
    return slot >= 1 && slot <= static_cast<int>(m_wordEnd.size())
               ? m_wordEnd[static_cast<size_t>(slot - 1)]
               : 0;
}

bool PhraseEngine::wordRead() {
    m_wordPos += 1;
    revealWords(m_wordPos - 1);
    m_phraseLeft -= 1;
    return m_phraseLeft <= 0;
}

}  // namespace kz
