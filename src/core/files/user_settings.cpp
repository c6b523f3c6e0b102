#include "files/user_settings.h"

#include "files/file_stem.h"
#include "files/paths.h"
#include "files/shown_text.h"
#include "files/text.h"

namespace kz {
namespace {

constexpr size_t kReserved0 = 0;  // 8 bytes of text
constexpr size_t kStoryFont = 8;
constexpr size_t kStoryBold = 58;
constexpr size_t kStoryItalic = 60;
constexpr size_t kVoiceA = 106;
constexpr size_t kReservedText110 = 110;
constexpr size_t kFirstSlot = 118;  // eight slots of an option word and an 8-character text
constexpr size_t kSlotSize = 12;
constexpr size_t kKivSlot = 2;
constexpr size_t kZanSlot = 3;
constexpr size_t kSlotCount = 8;
static_assert(kFirstSlot + kSlotCount * kSlotSize == UserSettings::kSize);

constexpr size_t slotOptions(size_t slot) { return kFirstSlot + slot * kSlotSize; }
constexpr size_t slotText(size_t slot) { return slotOptions(slot) + 4; }

std::string blankRecord() {
    RecordBytes rec(UserSettings::kSize, {});
    rec.setTextAt(kReserved0, UserSettings::kNameWidth, "");
    rec.setTextAt(kStoryFont, UserSettings::kFontWidth, "");
    rec.setTextAt(kReservedText110, UserSettings::kNameWidth, "");
    for (size_t slot = 0; slot < kSlotCount; ++slot) {
        rec.setTextAt(slotText(slot), UserSettings::kNameWidth, "");
    }
    return rec.bytes();
}

}  // namespace

UserSettings::UserSettings() : m_rec(kSize, blankRecord()) {}

UserSettings UserSettings::decode(std::string_view fileBytes) {
    UserSettings s;
    s.m_rec = RecordBytes(kSize, overlayPrefix(blankRecord(), fileBytes));
    return s;
}

std::string UserSettings::storyFont() const {
    return std::string(trimSpaces(m_rec.textAt(kStoryFont, kFontWidth)));
}
void UserSettings::setStoryFont(std::string_view font) {
    m_rec.setTextAt(kStoryFont, kFontWidth, font);
}
int16_t UserSettings::storyBold() const { return m_rec.int16At(kStoryBold); }
void UserSettings::setStoryBold(int16_t v) { m_rec.setInt16At(kStoryBold, v); }
int16_t UserSettings::storyItalic() const { return m_rec.int16At(kStoryItalic); }
void UserSettings::setStoryItalic(int16_t v) { m_rec.setInt16At(kStoryItalic, v); }
int16_t UserSettings::voiceA() const { return m_rec.int16At(kVoiceA); }
void UserSettings::setVoiceA(int16_t v) { m_rec.setInt16At(kVoiceA, v); }

int32_t UserSettings::kivOptions() const { return m_rec.int32At(slotOptions(kKivSlot)); }
void UserSettings::setKivOptions(int32_t v) { m_rec.setInt32At(slotOptions(kKivSlot), v); }
std::string UserSettings::kivWordlist() const {
    return std::string(trimSpaces(m_rec.textAt(slotText(kKivSlot), kNameWidth)));
}
void UserSettings::setKivWordlist(std::string_view name) {
    m_rec.setTextAt(slotText(kKivSlot), kNameWidth, name);
}
int32_t UserSettings::zanOptions() const { return m_rec.int32At(slotOptions(kZanSlot)); }
void UserSettings::setZanOptions(int32_t v) { m_rec.setInt32At(slotOptions(kZanSlot), v); }
std::string UserSettings::zanStory() const {
    return std::string(trimSpaces(m_rec.textAt(slotText(kZanSlot), kNameWidth)));
}
void UserSettings::setZanStory(std::string_view code) {
    m_rec.setTextAt(slotText(kZanSlot), kNameWidth, code);
}

void UserSettings::takeFields(const UserSettings& from, SettingsFields fields) {
    switch (fields) {
        case SettingsFields::KivChoices:
            m_rec.copyFrom(from.m_rec, slotOptions(kKivSlot), kSlotSize);
            break;
        case SettingsFields::ZanChoices:
            m_rec.copyFrom(from.m_rec, slotOptions(kZanSlot), kSlotSize);
            break;
        case SettingsFields::ZanStory:
            m_rec.copyFrom(from.m_rec, slotText(kZanSlot), kNameWidth);
            break;
        case SettingsFields::WholeRecord:
            m_rec = from.m_rec;
            break;
    }
}

std::string ownSettingsFile(std::string_view userName, int16_t voiceA) {
    return fileStem(userName, voiceA) + ".WQ";
}

Result<UserSettings> loadUserSettings(std::string_view appDir, std::string_view fileName) {
    const std::string path = joinPath(appDir, fileName);
    const auto bytes = readRecordFile(path);
    if (!bytes) return FileError{"settingload", path};
    return UserSettings::decode(*bytes);
}

std::optional<UserSettings> saveUserSettings(std::string_view appDir, std::string_view fileName,
                                             const UserSettings& settings, SettingsFields fields) {
    const std::function<void(UserSettings&)> change = [&](UserSettings& record) {
        record.takeFields(settings, fields);
    };
    return updateRecordFile(joinPath(appDir, fileName), change, std::optional(settings));
}

std::optional<UserSettings> updateUserSettings(std::string_view appDir, std::string_view fileName,
                                               const std::function<void(UserSettings&)>& change) {
    return updateRecordFile(joinPath(appDir, fileName), change);
}

std::string userSaveFailedMessage(std::string_view fullPath) {
    return fillIn(translate("kz::Settings", "It was not possible to save the settings file\n%1"),
                  {shownPath(fullPath)});
}

std::string wordRange(const UserSettings& settings) {
    std::string list = settings.kivWordlist();
    return list.empty() ? std::string(kDefaultWordRange) : list;
}

KivOptions decodeKivOptions(int32_t value) {
    if (value == 0) value = kDefaultKivOptions;
    KivOptions o{};
    const int q = value & 3;
    o.questionStyle = q == 0 ? 3 : q;
    o.lockQuestionAndAnswerMenus = (value & 4) != 0;
    o.lockOpen = (value & 8) != 0;
    const int a = (value / 16) & 7;
    o.answerStyle = (a >= 1 && a <= 4) ? a : 4;
    const int t = (value / 128) & 63;
    const bool known = t == 5 || t == 10 || t == 20 || t == 30 || t == 40 || t == 50;
    o.timeCode = known ? t : 20;
    o.showTimeMs = o.timeCode == 50 ? 0 : o.timeCode * 100;
    // 0 means the default of 10; so does anything a settings window cannot have written, so
    // that a damaged file can never ask for thousands of lily pads.
    const int pads = value / 8192;
    o.padCount = (pads >= 1 && pads <= 10) ? pads : 10;
    return o;
}

int32_t encodeKivOptions(const KivOptions& o) {
    return o.questionStyle + 4 * int32_t{o.lockQuestionAndAnswerMenus} + 8 * int32_t{o.lockOpen} +
           16 * o.answerStyle + 128 * o.timeCode + 8192 * o.padCount;
}

ZanOptions decodeZanOptions(int32_t value) {
    return {(value & 1) == 0, (value & 2) == 0, (value & 4) == 0, (value & 8) == 0};
}

int32_t encodeZanOptions(const ZanOptions& o) {
    return (o.canLoadStories ? 0 : 1) | (o.speakCorrectWords ? 0 : 2) | (o.canHearPage ? 0 : 4) |
           (o.speakPageAtStart ? 0 : 8);
}

}  // namespace kz
