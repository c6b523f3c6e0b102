#include "files/global_settings.h"

#include "files/paths.h"
#include "files/scramble.h"
#include "files/shown_text.h"
#include "files/text.h"

namespace kz {
namespace {

constexpr size_t kOmitColourWarning = 0;
constexpr size_t kReserved2 = 2;
constexpr size_t kOmitFontWarning = 4;
constexpr size_t kPassword = 6;
constexpr size_t kReserved14 = 14;
constexpr size_t kReserved14Width = 40;
constexpr size_t kUserMode = 54;
constexpr size_t kLogSessions = 56;
constexpr size_t kDataDir = 58;
static_assert(kDataDir + GlobalSettings::kDataDirWidth == GlobalSettings::kSize);

std::string blankRecord() {
    RecordBytes rec(GlobalSettings::kSize, {});
    rec.setTextAt(kPassword, GlobalSettings::kPasswordWidth, "");
    rec.setTextAt(kReserved14, kReserved14Width, "");
    rec.setTextAt(kDataDir, GlobalSettings::kDataDirWidth, "");
    return rec.bytes();
}

}  // namespace

GlobalSettings::GlobalSettings() : m_rec(kSize, blankRecord()) {}

GlobalSettings GlobalSettings::decode(std::string_view fileBytes) {
    GlobalSettings s;
    s.m_rec = RecordBytes(kSize, overlayPrefix(blankRecord(), fileBytes));
    return s;
}

int16_t GlobalSettings::omitColourWarning() const { return m_rec.int16At(kOmitColourWarning); }
void GlobalSettings::setOmitColourWarning(int16_t v) { m_rec.setInt16At(kOmitColourWarning, v); }
int16_t GlobalSettings::reserved2() const { return m_rec.int16At(kReserved2); }
int16_t GlobalSettings::omitFontWarning() const { return m_rec.int16At(kOmitFontWarning); }
void GlobalSettings::setOmitFontWarning(int16_t v) { m_rec.setInt16At(kOmitFontWarning, v); }

std::string_view GlobalSettings::passwordField() const {
    return m_rec.textAt(kPassword, kPasswordWidth);
}
std::string GlobalSettings::password() const {
    return unscrambleText(passwordField(), kPasswordWidth);
}
void GlobalSettings::setPassword(std::string_view plain) {
    m_rec.setTextAt(kPassword, kPasswordWidth, scrambleText(plain, kPasswordWidth));
}

int16_t GlobalSettings::userMode() const { return m_rec.int16At(kUserMode); }
void GlobalSettings::setUserMode(int16_t v) { m_rec.setInt16At(kUserMode, v); }
int16_t GlobalSettings::logSessions() const { return m_rec.int16At(kLogSessions); }
void GlobalSettings::setLogSessions(int16_t v) { m_rec.setInt16At(kLogSessions, v); }

std::string GlobalSettings::dataDir() const {
    return std::string(trimSpaces(m_rec.textAt(kDataDir, kDataDirWidth)));
}
void GlobalSettings::setDataDir(std::string_view dir) {
    m_rec.setTextAt(kDataDir, kDataDirWidth, dir);
}

std::string globalSettingsPath(std::string_view appDir) { return joinPath(appDir, "GLOBSET.WQ"); }

Result<GlobalSettings> loadGlobalSettings(std::string_view appDir) {
    const std::string path = globalSettingsPath(appDir);
    const auto bytes = readRecordFile(path);
    if (!bytes) return FileError{"settingload", path};
    return GlobalSettings::decode(*bytes);
}

std::optional<GlobalSettings> updateGlobalSettings(
    std::string_view appDir, const std::function<void(GlobalSettings&)>& change,
    const std::optional<GlobalSettings>& whole) {
    return updateRecordFile(globalSettingsPath(appDir), change, whole);
}

std::string globalSaveFailedMessage() {
    return translate("kz::Settings",
                     "It was not possible to save the settings/password.\n\nAny changes you "
                     "have made will apply for this session only.");
}

}  // namespace kz
