// The configuration record: three options and the two list-file paths,
// stored whole as config.kpl in the current folder.
#pragma once

#include "core/Voice.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace tavo {

inline constexpr const char* kConfigFileName = "config.kpl";
inline constexpr const char* kDefaultBarsList = "def.bar";
inline constexpr const char* kDefaultDrinksList = "drinks.drk";
inline constexpr const char* kUsDrinksList = "drinksUS.drk";

struct ConfigRecord {
    std::uint8_t PopupStart;
    std::uint8_t PauseBeer;
    std::uint8_t DrinkClose;
    std::uint8_t reserved3;
    char barsListPath[100];
    char drinksListPath[200];
};

static_assert(sizeof(ConfigRecord) == 304);
static_assert(offsetof(ConfigRecord, PopupStart) == 0);
static_assert(offsetof(ConfigRecord, PauseBeer) == 1);
static_assert(offsetof(ConfigRecord, DrinkClose) == 2);
static_assert(offsetof(ConfigRecord, reserved3) == 3);
static_assert(offsetof(ConfigRecord, barsListPath) == 4);
static_assert(offsetof(ConfigRecord, drinksListPath) == 104);

// The values used when there is no config.kpl.
ConfigRecord defaultConfig();

// Reads config.kpl: the defaults when the file is missing or cannot be read
// (a FIFO or anything else that is not a regular file included: `problem`,
// when given, then receives the reason), otherwise the bytes read (at most
// 304) laid over the defaults.
ConfigRecord readConfig(const std::string& path, std::string* problem = nullptr);
ConfigRecord configFromBytes(const unsigned char* data, std::size_t size);

// Replaces the file with the whole record, atomically.
bool writeConfig(const std::string& path, const ConfigRecord& config);

// What the player is told when config.kpl cannot be written.
inline Words configUnwritable() {
    return refusal(
        N_("An error happen when I try to write on the disk\nThe setup file is unwritable."),
        N_("Disk error"));
}

// Where an action that changes the configuration keeps it: config.kpl in
// the game, nowhere in tavo-sim (which never writes it).
class ConfigStore {
public:
    virtual ~ConfigStore() = default;
    // False when the record could not be written.
    virtual bool write(const ConfigRecord& config) = 0;
    // Whether a write can be tried at all (the folder takes a new file).
    virtual bool writable() const { return true; }
};

class ConfigFile final : public ConfigStore {
public:
    explicit ConfigFile(std::string path) : path_(std::move(path)) {}
    bool write(const ConfigRecord& config) override { return writeConfig(path_, config); }
    bool writable() const override;

private:
    std::string path_;
};

} // namespace tavo
