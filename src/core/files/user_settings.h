#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_error.h"
#include "files/record.h"

namespace kz {

// The fields a save writes. Both programs and the teacher's tool share these files, so each
// save writes only what it changed: the word activity's Save its options and word list, the story
// reader's Save its options and story, the reader's silent fallback to another start story only
// the story; Save As makes or replaces another user's file and writes the whole record.
enum class SettingsFields { KivChoices, ZanChoices, ZanStory, WholeRecord };

// The 214-byte per-user settings record that both programs read and write (TEACHER.WQ and one
// file per child). Each program changes only its own fields; every other byte travels unchanged.
class UserSettings {
public:
    static constexpr size_t kSize = 214;
    static constexpr size_t kFontWidth = 50;
    static constexpr size_t kNameWidth = 8;

    UserSettings();  // text fields spaces, numbers 0
    // A record from a file's bytes; a short file is read as far as it goes.
    static UserSettings decode(std::string_view fileBytes);
    const std::string& encode() const { return m_rec.bytes(); }

    std::string storyFont() const;  // trimmed
    void setStoryFont(std::string_view font);
    int16_t storyBold() const;
    void setStoryBold(int16_t value);
    int16_t storyItalic() const;
    void setStoryItalic(int16_t value);
    int16_t voiceA() const;
    void setVoiceA(int16_t value);
    int32_t kivOptions() const;
    void setKivOptions(int32_t value);
    std::string kivWordlist() const;  // trimmed
    void setKivWordlist(std::string_view name);
    int32_t zanOptions() const;
    void setZanOptions(int32_t value);
    std::string zanStory() const;  // trimmed
    void setZanStory(std::string_view code);

    // The bytes of those fields exactly as `from` holds them.
    void takeFields(const UserSettings& from, SettingsFields fields);

    bool operator==(const UserSettings& other) const { return encode() == other.encode(); }

private:
    RecordBytes m_rec;
};

// The settings file everyone shares, which is also the teacher's own.
inline constexpr std::string_view kSharedSettingsFile = "TEACHER.WQ";
// A user's own settings file: the stem of the name + ".WQ" ("Teacher" gives TEACHER.WQ). Which
// file is in force is the sign-in mode's rule (session/sign_in_mode.h).
std::string ownSettingsFile(std::string_view userName, int16_t voiceA);

// Reads a settings file of the installation directory. Missing, empty or unreadable: the
// "settingload" error with the full path.
Result<UserSettings> loadUserSettings(std::string_view appDir, std::string_view fileName);

// Saves those fields of `settings` into a settings file of the installation directory, every
// other field as the file now holds it (read again under the file's lock). A missing or empty
// file is written whole from `settings`. Returns the record as written; nullopt when it could
// not be written (the old file is then left whole).
std::optional<UserSettings> saveUserSettings(std::string_view appDir, std::string_view fileName,
                                             const UserSettings& settings, SettingsFields fields);

// The same locked read-modify-write for any change (the teacher's tool); a missing or empty file
// fails.
std::optional<UserSettings> updateUserSettings(std::string_view appDir, std::string_view fileName,
                                               const std::function<void(UserSettings&)>& change);

// The warning a settings window shows when a save fails.
std::string userSaveFailedMessage(std::string_view fullPath);

// The word activity's start word list: the trimmed kivWordlist, or "0001TO24" when blank.
inline constexpr std::string_view kDefaultWordRange = "0001TO24";
std::string wordRange(const UserSettings& settings);

// kivOptions as the word activity reads it. A whole value of 0 means never set.
inline constexpr int32_t kDefaultKivOptions = 2627;
struct KivOptions {
    int questionStyle;  // 1 just speak, 2 just show, 3 show and speak
    bool lockQuestionAndAnswerMenus;
    bool lockOpen;    // the child may not load other word lists
    int answerStyle;  // 1 type the answer, 2-4 choices
    int timeCode;     // tenths of a second: 5, 10, 20, 30, 40, or 50 for always shown
    int showTimeMs;   // 500 to 4000; 0 = always shown
    int padCount;     // questions per set; 1 = no frog reward
    bool operator==(const KivOptions&) const = default;
};
KivOptions decodeKivOptions(int32_t value);
int32_t encodeKivOptions(const KivOptions& options);

// zanOptions: each bit switches a choice off, so 0 means everything on.
struct ZanOptions {
    bool canLoadStories;
    bool speakCorrectWords;
    bool canHearPage;
    bool speakPageAtStart;
    bool operator==(const ZanOptions&) const = default;
};
ZanOptions decodeZanOptions(int32_t value);
int32_t encodeZanOptions(const ZanOptions& options);

}  // namespace kz
