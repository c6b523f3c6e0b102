#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_error.h"
#include "files/record.h"

namespace kz {

// GLOBSET.WQ: the one 313-byte record of global settings in the installation directory. Every
// byte the programs do not interpret is carried unchanged.
class GlobalSettings {
public:
    static constexpr size_t kSize = 313;
    static constexpr size_t kPasswordWidth = 8;
    static constexpr size_t kDataDirWidth = 255;

    // The blank record: numbers 0, text fields spaces (the password field holds eight plain
    // spaces, which is not the stored form of "no password").
    GlobalSettings();
    // A record from a file's bytes; a short file is read as far as it goes.
    static GlobalSettings decode(std::string_view fileBytes);
    const std::string& encode() const { return m_rec.bytes(); }

    int16_t omitColourWarning() const;
    void setOmitColourWarning(int16_t value);
    int16_t reserved2() const;
    int16_t omitFontWarning() const;
    void setOmitFontWarning(int16_t value);
    // The stored (scrambled) bytes and the plain, trimmed password; empty means none.
    std::string_view passwordField() const;
    std::string password() const;
    void setPassword(std::string_view plain);
    int16_t userMode() const;
    void setUserMode(int16_t value);
    int16_t logSessions() const;
    void setLogSessions(int16_t value);
    // Trimmed; empty while the data directory is not yet known.
    std::string dataDir() const;
    void setDataDir(std::string_view dir);

private:
    RecordBytes m_rec;
};

std::string globalSettingsPath(std::string_view appDir);

// Missing or empty file: the "settingload" error with the file's path.
Result<GlobalSettings> loadGlobalSettings(std::string_view appDir);

// Saves the fields change() sets and nothing else, so that a change another program or the
// teacher's tool made since this one read the file stays: under the file's lock the file is read
// again, changed and written. A missing file is written from `whole` with the change, or the save
// fails when none is given. Returns the record as written; nullopt when it could not be written
// (the old file is then left whole).
std::optional<GlobalSettings> updateGlobalSettings(
    std::string_view appDir, const std::function<void(GlobalSettings&)>& change,
    const std::optional<GlobalSettings>& whole = std::nullopt);

// Shown when a save asked to report its failure fails.
std::string globalSaveFailedMessage();

}  // namespace kz
