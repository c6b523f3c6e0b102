#include "kiv/choice_builder.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "files/text.h"
#include "ports/ports.h"

namespace kz {

namespace {

// Past this many draws for one choice the candidates are taken in list order from the last draw,
// so a script of unlucky numbers can never keep the activity drawing.
constexpr int kMaxDraws = 1000;

int drawPosition(Random& random, size_t count) {
    const auto pos = static_cast<size_t>(std::floor(random.next() * static_cast<double>(count)));
    return static_cast<int>(std::min(pos, count - 1));
}

// How many wrong choices the list can give, up to `enough`: its different words other than the
// word. Counting stops at `enough`, so a long list of different words is not sorted whole.
size_t distinctOthers(std::string_view word, const std::vector<std::string>& words, size_t enough) {
    std::set<std::string> others;
    const std::string target = toUpperCp1252(word);
    for (const auto& w : words) {
        if (others.size() >= enough) break;
        std::string upper = toUpperCp1252(w);
        if (upper != target) others.insert(std::move(upper));
    }
    return others.size();
}

class Drawer {
public:
    Drawer(std::string_view word, const std::vector<std::string>& words, Random& random,
           const std::function<int(std::string_view)>& width)
        : m_words(words), m_random(random), m_width(width), m_offered(words.size(), false) {
        const double w = width(word);
        m_lo = 0.9 * w;
        m_hi = 1.05 * w;
        m_taken.insert(toUpperCp1252(word));
    }

    std::string next() {
        int pos = 0;
        for (int draw = 0; draw < kMaxDraws; ++draw) {
            pos = drawPosition(m_random, m_words.size());
            m_lo *= 0.98;
            m_hi *= 1.02;
            const double w = measured(m_words[pos]);
            if (m_lo < w && w < m_hi && acceptable(pos)) return take(pos);
        }
        for (size_t i = 0; i < m_words.size(); ++i) {
            const int p = static_cast<int>((pos + i) % m_words.size());
            if (acceptable(p)) return take(p);
        }
        return {};  // not reached: the caller asks only for as many as the list has
    }

private:
    // A list may hold the same word thousands of times, and each draw measures one: a width is
    // measured once per different text (the font stays the same for the whole build).
    int measured(std::string_view text) {
        const auto [at, fresh] = m_measured.try_emplace(text, 0);
        if (fresh) at->second = m_width(text);
        return at->second;
    }

    bool acceptable(int pos) const {
        return !m_offered[pos] && !m_taken.contains(toUpperCp1252(m_words[pos]));
    }
    std::string take(int pos) {
        m_offered[pos] = true;
        m_taken.insert(toUpperCp1252(m_words[pos]));
        return m_words[pos];
    }

    const std::vector<std::string>& m_words;
    Random& m_random;
    const std::function<int(std::string_view)>& m_width;
    std::vector<bool> m_offered;
    std::set<std::string> m_taken;
    std::unordered_map<std::string_view, int> m_measured;
    double m_lo = 0, m_hi = 0;
};

int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

void shuffle(std::vector<std::string>& texts, Random& random) {
    const int n = static_cast<int>(texts.size());
    const int swaps = roundEven(random.next() * 3 + 2);
    for (int i = 0; i < swaps; ++i) {
        const int a = static_cast<int>(std::floor(n * random.next()));
        const int b = static_cast<int>(std::floor(n * random.next()));
        std::swap(texts[std::min(a, n - 1)], texts[std::min(b, n - 1)]);
    }
}

}  // namespace

Choices buildChoices(std::string_view word, const std::vector<std::string>& words, int count,
                     Random& random, const std::function<int(std::string_view)>& width) {
    Choices result;
    result.texts.emplace_back(word);
    if (!words.empty()) {
        const size_t wanted =
            distinctOthers(word, words, static_cast<size_t>(std::max(count - 1, 0)));
        Drawer drawer(word, words, random, width);
        for (size_t k = 0; k < wanted; ++k) result.texts.push_back(drawer.next());
    }
    // A word from "A" to "ZZZ" in code order starts with a capital A-Y (or Z and capitals); in a
    // list with accents, a word that starts with an accented capital (\xC9cole) does too.
    const bool accentedCapital = !word.empty() && isAccentedLetter(word[0]) &&
                                 toLowerCp1252(word.substr(0, 1)) != word.substr(0, 1);
    const bool capital =
        (word >= std::string_view("A") && word <= std::string_view("ZZZ")) || accentedCapital;
    if (capital) {
        for (size_t k = 1; k < result.texts.size(); ++k)
            if (!result.texts[k].empty()) result.texts[k][0] = toUpperCp1252(result.texts[k]).at(0);
    }
    shuffle(result.texts, random);
    result.widestTwips = width(word);
    for (const auto& t : result.texts) result.widestTwips = std::max(result.widestTwips, width(t));
    return result;
}

}  // namespace kz
