#include "story_json.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "command_failed.h"
#include "files/cp1252.h"

namespace kz::admin {
namespace {

using nlohmann::json;
using Printed = nlohmann::ordered_json;  // keys print in the order the format documents them

std::string utf8(const std::string& cp1252) { return cp1252ToUtf8(cp1252); }

Printed textJson(const StoryText& t) {
    return {{"lineLeft", t.lineLeft},     {"lineTop", t.lineTop},   {"lineWidth", t.lineWidth},
            {"lineHeight", t.lineHeight}, {"textLeft", t.textLeft}, {"text", utf8(t.text)}};
}

Printed pictureJson(const StoryPicture& p) {
    return {{"left", p.left},
            {"top", p.top},
            {"width", p.width},
            {"height", p.height},
            {"name", utf8(p.name)}};
}

Printed pageJson(const StoryPage& page) {
    Printed texts = Printed::array();
    for (const auto& t : page.texts) texts.push_back(textJson(t));
    Printed pictures = Printed::array();
    for (const auto& p : page.pictures) pictures.push_back(pictureJson(p));
    return {{"texts", texts},
            {"pictures", pictures},
            {"reals", page.reals},
            {"nextPicture", utf8(page.nextPicture)}};
}

// Reads the members of one JSON object, naming where a fault lies.
class Members {
public:
    Members(const json& object, std::string where, std::initializer_list<const char*> keys)
        : m_object(object), m_where(std::move(where)) {
        if (!object.is_object()) fail("is not an object");
        for (const auto& item : object.items()) {
            const std::string& key = item.key();
            if (std::find_if(keys.begin(), keys.end(), [&](const char* k) { return key == k; }) ==
                keys.end()) {
                fail("has the unknown key \"" + key + "\"");
            }
        }
    }

    const json& at(const char* key) const {
        if (!m_object.contains(key)) fail("lacks \"" + std::string(key) + "\"");
        return m_object.at(key);
    }

    int16_t number(const char* key) const {
        const json& v = at(key);
        const bool fits = v.is_number_unsigned() ? v.get<uint64_t>() <= 32767
                          : v.is_number_integer()
                              ? v.get<int64_t>() >= -32768 && v.get<int64_t>() <= 32767
                              : false;
        if (!fits) fail("\"" + std::string(key) + "\" is not a whole number from -32768 to 32767");
        return static_cast<int16_t>(v.get<int64_t>());
    }

    std::string text(const char* key) const {
        const json& v = at(key);
        if (!v.is_string()) fail("\"" + std::string(key) + "\" is not a string");
        auto bytes = utf8ToCp1252(v.get<std::string>());
        if (!bytes) fail("\"" + std::string(key) + "\" holds characters Windows-1252 cannot store");
        return *bytes;
    }

    const json& array(const char* key) const {
        const json& v = at(key);
        if (!v.is_array()) fail("\"" + std::string(key) + "\" is not an array");
        return v;
    }

    const std::string& where() const { return m_where; }

    [[noreturn]] void fail(const std::string& what) const {
        throw CommandFailed(m_where + " " + what);
    }

private:
    const json& m_object;
    std::string m_where;
};

StoryPage pageFromJson(const json& object, const std::string& where) {
    const Members m(object, where, {"texts", "pictures", "reals", "nextPicture"});
    StoryPage page;
    size_t j = 0;
    for (const auto& t : m.array("texts")) {
        const Members item(t, where + ", text " + std::to_string(++j),
                           {"lineLeft", "lineTop", "lineWidth", "lineHeight", "textLeft", "text"});
        page.texts.push_back({item.number("lineLeft"), item.number("lineTop"),
                              item.number("lineWidth"), item.number("lineHeight"),
                              item.number("textLeft"), item.text("text")});
    }
    j = 0;
    for (const auto& p : m.array("pictures")) {
        const Members item(p, where + ", picture " + std::to_string(++j),
                           {"left", "top", "width", "height", "name"});
        page.pictures.push_back({item.number("left"), item.number("top"), item.number("width"),
                                 item.number("height"), item.text("name")});
    }
    for (const auto& r : m.array("reals")) {
        if (!r.is_number()) m.fail("has a real that is not a number");
        page.reals.push_back(r.get<double>());
    }
    page.nextPicture = m.text("nextPicture");
    return page;
}

}  // namespace

nlohmann::ordered_json storyToJson(const Story& story) {
    Printed pages = Printed::array();
    for (const auto& page : story.pages) pages.push_back(pageJson(page));
    return {{"pageCount", story.pageCount}, {"pictureSlots", story.pictureSlots},
            {"textSlots", story.textSlots}, {"wordCapacity", story.wordCapacity},
            {"fontSize", story.fontSize},   {"pages", pages}};
}

Story storyFromJson(const json& object) {
    const Members m(
        object, "the story",
        {"pageCount", "pictureSlots", "textSlots", "wordCapacity", "fontSize", "pages"});
    Story story;
    story.pageCount = m.number("pageCount");
    story.pictureSlots = m.number("pictureSlots");
    story.textSlots = m.number("textSlots");
    story.wordCapacity = m.number("wordCapacity");
    story.fontSize = m.number("fontSize");
    size_t p = 0;
    for (const auto& page : m.array("pages")) {
        story.pages.push_back(pageFromJson(page, "page " + std::to_string(++p)));
    }
    return story;
}

}  // namespace kz::admin
