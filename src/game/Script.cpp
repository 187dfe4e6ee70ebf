#include "game/Script.h"

#include <algorithm>
#include <limits>
#include <string>

namespace tavo {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isWhole(std::string_view word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What one argument of a command must be.
enum class Arg {
    Whole,   // a whole decimal number
    Text,    // typed into a box as it is
    BarLine, // `all` or a whole number
    Class,   // 0..4
    Music,   // letters a t d m r, or -
    Kind,    // news, radio or tv
    Bank,    // 0, 2 or 3: a bank with a window
    Plan,    // 1 or 2
    Tick,    // 0 or 1
    Staff,   // a staff ID, 1..4
    Random,  // the word random
    Car,     // 0 (none) or a car, 1..4
};

struct Form {
    const char* name;
    std::vector<Arg> args;
    const char* optional; // a keyword that may follow the arguments, or nullptr
    const char* usage;
    bool optionalText = false; // one more word may follow, typed as it is
};

constexpr const char* kTicketUsage = "ticket N1 N2 N3 N4 N5 N6 | ticket random";

const std::vector<Form>& forms() {
    static const std::vector<Form> table = {
        {"days", {Arg::Whole}, nullptr, "days N"},
        {"buy-bar",
         {Arg::Whole, Arg::Text, Arg::Class, Arg::Music, Arg::Text},
         nullptr,
         "buy-bar LIST NAME CLASS MUSIC PRICE"},
        {"order",
         {Arg::BarLine, Arg::Whole, Arg::Text, Arg::Text},
         "unused",
         "order BAR DRINK QTY PRICE [unused]"},
        {"toggle", {Arg::Whole}, nullptr, "toggle BAR"},
        {"entry-price", {Arg::Whole, Arg::Text}, nullptr, "entry-price BAR PRICE"},
        {"promote", {Arg::Whole, Arg::Kind}, nullptr, "promote BAR KIND"},
        {"member", {Arg::Bank}, nullptr, "member BANK"},
        {"borrow", {Arg::Bank, Arg::Text}, nullptr, "borrow BANK AMOUNT"},
        {"refund", {Arg::Bank}, nullptr, "refund BANK [AMOUNT]", true},
        {"invest", {Arg::Bank, Arg::Plan, Arg::Text}, nullptr, "invest BANK PLAN AMOUNT"},
        {"withdraw", {Arg::Bank}, nullptr, "withdraw BANK"},
        {"insure", {Arg::Tick, Arg::Tick}, nullptr, "insure FIRE THEFT"},
        {"leave-insurance", {}, nullptr, "leave-insurance"},
        {"hire", {Arg::Staff}, nullptr, "hire STAFF"},
        {"admin",
         {Arg::Whole, Arg::Text, Arg::Text, Arg::Text, Arg::Text},
         nullptr,
         "admin INDEX TICKETS DRINKS REFWHEN REFAMOUNT"},
        {"fire-admin", {Arg::Whole}, nullptr, "fire-admin INDEX"},
        // Two forms: the first that fits is taken.
        {"ticket", {Arg::Random}, nullptr, kTicketUsage},
        {"ticket",
         {Arg::Text, Arg::Text, Arg::Text, Arg::Text, Arg::Text, Arg::Text},
         nullptr,
         kTicketUsage},
        {"spin", {Arg::Text}, nullptr, "spin BET"},
        {"race", {Arg::Car, Arg::Text}, nullptr, "race CAR BET"},
    };
    return table;
}

// Why a word is not what the argument expects, or "" when it is.
std::string argFault(Arg arg, const ScriptWord& word) {
    const std::string quoted = "'" + printable(word.text) + "'";
    switch (arg) {
    case Arg::Whole:
        return isWhole(word.text) ? "" : quoted + " is not a whole number";
    case Arg::Text:
        return "";
    case Arg::BarLine:
        return word.text == "all" || isWhole(word.text) ? ""
                                                        : quoted + " is not a bar number or all";
    case Arg::Class:
        return word.text.size() == 1 && word.text[0] >= '0' && word.text[0] <= '4'
                   ? ""
                   : quoted + " is not a class (0 none, 1 Low, 2 High, 3 Dark, 4 Rave)";
    case Arg::Music:
        if (word.text == "-") return "";
        return !word.text.empty() && word.text.find_first_not_of("atdmr") == std::string::npos
                   ? ""
                   : quoted + " is not music (letters a t d m r, or - for none)";
    case Arg::Kind:
        return word.text == "news" || word.text == "radio" || word.text == "tv"
                   ? ""
                   : quoted + " is not an advert (news, radio or tv)";
    case Arg::Bank:
        return word.text == "0" || word.text == "2" || word.text == "3"
                   ? ""
                   : quoted + " is not a bank (0 Invest Bank, 2 German Bank, 3 China Cash)";
    case Arg::Plan:
        return word.text == "1" || word.text == "2" ? "" : quoted + " is not a plan (1 or 2)";
    case Arg::Tick:
        return word.text == "0" || word.text == "1" ? "" : quoted + " is not 0 or 1";
    case Arg::Staff:
        return word.text.size() == 1 && word.text[0] >= '1' && word.text[0] <= '4'
                   ? ""
                   : quoted + " is not a staff ID (1 to 4)";
    case Arg::Random:
        return !word.quoted && word.text == "random" ? "" : quoted + " is not random";
    case Arg::Car:
        return word.text.size() == 1 && word.text[0] >= '0' && word.text[0] <= '4'
                   ? ""
                   : quoted + " is not a car (1 to 4, or 0 for none)";
    }
    return "";
}

// The command's words read by one of its forms.
ScriptCommand readForm(ScriptCommand command, const Form& form,
                       const std::vector<ScriptWord>& words) {
    const int line = command.line;
    const std::string usage = std::string("usage: ") + form.usage;
    std::size_t next = 1;
    if (words.size() - 1 < form.args.size()) throw ScriptError(line, "too few words; " + usage);
    for (Arg arg : form.args) {
        if (std::string fault = argFault(arg, words[next]); !fault.empty())
            throw ScriptError(line, fault + "; " + usage);
        command.args.push_back(words[next++]);
    }
    if (form.optional && next < words.size() && !words[next].quoted &&
        words[next].text == form.optional)
        command.args.push_back(words[next++]);
    if (form.optionalText && next < words.size()) command.args.push_back(words[next++]);
    for (; next < words.size(); ++next) {
        const ScriptWord& word = words[next];
        if (word.quoted || (word.text != "yes" && word.text != "no"))
            throw ScriptError(line, "unexpected word '" + printable(word.text) + "'; " + usage +
                                        " [yes|no ...]");
        command.answers.push_back(word.text == "yes");
    }
    return command;
}

ScriptCommand checkForm(int line, const std::vector<ScriptWord>& words) {
    ScriptCommand command;
    command.line = line;
    command.name = words.front().text;
    const std::string unknown = "unknown command '" + printable(command.name) + "'";
    if (words.front().quoted) throw ScriptError(line, unknown);
    // A command of several forms takes the first that fits; when none does,
    // the last one's fault is reported.
    const Form* last = nullptr;
    for (const Form& form : forms()) {
        if (command.name != form.name) continue;
        if (last != nullptr) {
            try {
                return readForm(command, *last, words);
            } catch (const ScriptError&) {
            }
        }
        last = &form;
    }
    if (last == nullptr) throw ScriptError(line, unknown);
    return readForm(command, *last, words);
}

} // namespace

std::vector<ScriptWord> splitWords(std::string_view line) {
    std::vector<ScriptWord> words;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size()) return words;
        ScriptWord word;
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) throw ScriptError(0, "a quote is not closed");
            word.text = std::string(line.substr(i + 1, close - i - 1));
            word.quoted = true;
            i = close + 1;
            if (i < line.size() && !isBlank(line[i]))
                throw ScriptError(0, "a closing quote must end its word");
        } else {
            const std::size_t start = i;
            while (i < line.size() && !isBlank(line[i])) {
                if (line[i] == '"') throw ScriptError(0, "a quote may only open a word");
                ++i;
            }
            word.text = std::string(line.substr(start, i - start));
        }
        words.push_back(std::move(word));
    }
}

void forEachCommand(std::string_view text, const std::function<void(const ScriptCommand&)>& each,
                    std::size_t mostLines) {
    std::size_t lines = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view content = text.substr(at, end - at);
        at = end + 1;
        if (++lines > std::min(mostLines, kMostScriptLines))
            throw ScriptError(static_cast<int>(lines),
                              "a script has at most " + std::to_string(mostLines) + " lines");
        const int line = static_cast<int>(lines);
        if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
        const std::size_t first = content.find_first_not_of(" \t");
        if (first == std::string_view::npos || content[first] == '#') continue;
        std::vector<ScriptWord> words;
        try {
            words = splitWords(content);
        } catch (const ScriptError& error) {
            throw ScriptError(line, error.what());
        }
        each(checkForm(line, words));
    }
}

std::vector<ScriptCommand> readScript(std::string_view text) {
    std::vector<ScriptCommand> commands;
    forEachCommand(text, [&](const ScriptCommand& command) { commands.push_back(command); });
    return commands;
}

std::string printable(std::string_view word) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            shown += c;
            continue;
        }
        shown += "\\x";
        shown += kHex[byte >> 4];
        shown += kHex[byte & 15];
    }
    return shown;
}

long long wholeNumber(std::string_view digits) {
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (char c : digits) {
        const int digit = c - '0';
        if (value > (kMax - digit) / 10) return kMax;
        value = value * 10 + digit;
    }
    return value;
}

} // namespace tavo
