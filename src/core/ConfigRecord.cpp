#include "core/ConfigRecord.h"

#include "core/FileIo.h"
#include "core/FixedText.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tavo {

ConfigRecord defaultConfig() {
    ConfigRecord config{};
    config.PopupStart = 1;
    setFixedText(config.barsListPath, kDefaultBarsList);
    setFixedText(config.drinksListPath, kDefaultDrinksList);
    return config;
}

ConfigRecord configFromBytes(const unsigned char* data, std::size_t size) {
    ConfigRecord config = defaultConfig();
    if (size > 0) std::memcpy(&config, data, size < sizeof config ? size : sizeof config);
    return config;
}

ConfigRecord readConfig(const std::string& path, std::string* problem) {
    const FileRead file = readRegularFile(path, sizeof(ConfigRecord));
    if (!file.ok) {
        // A missing file is the usual first start; anything else is worth
        // telling.
        if (problem && (::access(path.c_str(), F_OK) == 0 || errno != ENOENT))
            *problem = file.reason;
        return defaultConfig();
    }
    return configFromBytes(file.bytes.data(), file.bytes.size());
}

bool writeConfig(const std::string& path, const ConfigRecord& config) {
    return writeFileAtomically(path, &config, sizeof config);
}

bool ConfigFile::writable() const {
    // A temporary file beside config.kpl tells, without touching it.
    return canWriteBeside(path_);
}

} // namespace tavo
