#include "leisure/WebSite.h"

#include <cstdlib>

namespace tavo {
namespace {

// An empty variable counts as unset: the game keeps its own address.
std::string fromEnvironment(const char* name, std::string_view fallback) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::string(fallback);
    return value;
}

} // namespace

std::string webBase() {
    std::string base = fromEnvironment("TAVO_WEB_BASE", kDefaultWebBase);
    if (base.back() != '/') base += '/';
    return base;
}

std::string homePage() {
    return fromEnvironment("TAVO_HOME_PAGE", kDefaultHomePage);
}

std::string documentAddress(std::string_view document) {
    return webBase() + std::string(document);
}

} // namespace tavo
