#include "core/FinanceHistory.h"

#include "core/FixedText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include <sys/stat.h>

namespace tavo {
namespace {

constexpr const char* kMagic = "tavo-history";
// Version 1 had no game start.
constexpr int kVersion = 2;
constexpr std::size_t kMostBytes = 4u << 20;

// The shortest text that reads back as the same double, whatever the
// program's locale.
std::string exact(double value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

std::string saveKey(const GameState& state) {
    return std::to_string(state.year) + ' ' + std::to_string(state.month) + ' ' +
           std::to_string(state.day) + ' ' + exact(state.money);
}

// Reads the next whitespace-separated word of `line` as a number.
template <typename Number>
bool take(std::istringstream& line, Number& out) {
    std::string word;
    if (!(line >> word)) return false;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), out);
    if constexpr (std::is_floating_point_v<Number>)
        if (!std::isfinite(out)) return false;
    return error == std::errc{} && end == word.data() + word.size();
}

} // namespace

void recordMonth(FinanceHistory& history, const GameState& state) {
    FinanceMonth ended;
    ended.year = state.month == 1 ? state.year - 1 : state.year;
    ended.month = state.month == 1 ? 12 : state.month - 1;
    ended.money = state.money;
    const int bars = ownedBarCount(state);
    for (int i = 0; i < bars; ++i) {
        const BarRecord& bar = state.bars[i];
        std::string name = fixedText(bar.barName);
        std::replace_if(
            name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        ended.bars.push_back({std::move(name), bar.profitLastMonth, bar.visitorsLastMonth});
    }
    history.months.push_back(std::move(ended));
    if (history.months.size() > kHistoryMonths)
        history.months.erase(history.months.begin(),
                             history.months.end() - static_cast<long>(kHistoryMonths));
}

Bytes historyBytes(const FinanceHistory& history, const GameState& state) {
    std::string text = std::string(kMagic) + ' ' + std::to_string(kVersion) + ' ' +
                       std::to_string(history.gameStart) + '\n';
    text += saveKey(state) + '\n';
    text += std::to_string(history.months.size()) + '\n';
    for (const FinanceMonth& month : history.months) {
        text += std::to_string(month.year) + ' ' + std::to_string(month.month) + ' ' +
                exact(month.money) + ' ' + std::to_string(month.bars.size()) + '\n';
        for (const BarMonth& bar : month.bars)
            text += std::to_string(bar.profit) + ' ' + std::to_string(bar.visitors) + ' ' +
                    bar.name + '\n';
    }
    return Bytes(text.begin(), text.end());
}

FinanceHistory historyFromBytes(const Bytes& bytes, const GameState& state) {
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    const auto nextLine = [&](std::istringstream& words) {
        if (!std::getline(in, line)) return false;
        words = std::istringstream(line);
        return true;
    };
    std::istringstream words;
    std::string magic;
    int version = 0;
    FinanceHistory history;
    if (!nextLine(words) || !(words >> magic) || magic != kMagic || !take(words, version) ||
        version < 1 || version > kVersion || (version > 1 && !take(words, history.gameStart)))
        return {};
    if (!std::getline(in, line) || line != saveKey(state)) return {};
    std::size_t count = 0;
    if (!nextLine(words) || !take(words, count) || count > kHistoryMonths) return {};
    for (std::size_t m = 0; m < count; ++m) {
        FinanceMonth month;
        std::size_t bars = 0;
        if (!nextLine(words) || !take(words, month.year) || !take(words, month.month) ||
            !take(words, month.money) || !take(words, bars) || month.month < 1 ||
            month.month > 12 || bars > static_cast<std::size_t>(kMaxBars))
            return {};
        for (std::size_t b = 0; b < bars; ++b) {
            BarMonth bar;
            if (!nextLine(words) || !take(words, bar.profit) || !take(words, bar.visitors))
                return {};
            if (words.get() != ' ') return {};
            std::getline(words, bar.name);
            if (bar.name.size() > sizeof(BarRecord::barName)) return {};
            month.bars.push_back(std::move(bar));
        }
        history.months.push_back(std::move(month));
    }
    if (std::getline(in, line)) return {}; // more than the count: damaged
    return history;
}

std::string historyPath(const std::string& savePath) {
    return savePath + ".history";
}

bool saveHistory(const std::string& savePath, const FinanceHistory& history,
                 const GameState& state) {
    const Bytes bytes = historyBytes(history, state);
    const std::string path = historyPath(savePath);
    if (writeSidecarFile(savePath, path, bytes.data(), bytes.size())) return true;
    // An old history does not stay beside the new save (it would not load
    // with it anyway), unless it is not the game's to remove: a FIFO, a
    // device or a folder there, or a file the player protected.
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 &&
        (S_ISLNK(info.st_mode) || (S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR))))
        std::remove(path.c_str());
    return false;
}

FinanceHistory loadHistory(const std::string& savePath, const GameState& state) {
    const FileRead file = readRegularFile(historyPath(savePath), kMostBytes);
    if (!file.ok || file.fileSize > kMostBytes) return {};
    return historyFromBytes(file.bytes, state);
}

} // namespace tavo
