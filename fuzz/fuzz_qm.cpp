// libFuzzer target: translation files (.qm) through the game's check. What
// the check takes, Qt's reader reads within the file: every message is
// looked up by its own words (and by words no message has) with the file's
// last byte just before a page no one may read, so that a read past the end
// crashes though Qt is not instrumented.

#include "ui/TranslationFile.h"

#include <QTranslator>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

std::uint32_t bigEndian(const unsigned char* at) {
    return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
           at[3];
}

// Room for the longest translation the check takes, followed by a page that
// cannot be read.
unsigned char* fencedEnd() {
    static unsigned char* const kEnd = [] {
        const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        const std::size_t room = (tavo::ui::kMostTranslationBytes / page + 1) * page;
        void* region = ::mmap(nullptr, room + page, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (region == MAP_FAILED) std::abort();
        auto* end = static_cast<unsigned char*>(region) + room;
        if (::mprotect(end, page, PROT_NONE) != 0) std::abort();
        return end;
    }();
    return kEnd;
}

// Looks every message of a checked file up by its context, source text and
// comment, as the windows ask for them.
void lookUpEveryMessage(const QTranslator& translator, const unsigned char* data,
                        std::size_t size) {
    for (std::size_t at = 16; at + 5 <= size; at += 5 + bigEndian(data + at + 1)) {
        if (data[at] != 0x69) continue;
        const unsigned char* m = data + at + 5;
        const unsigned char* end = m + bigEndian(data + at + 1);
        std::string fields[9];
        while (m < end) {
            const unsigned char tag = *m++;
            if (tag == 1) {
                (void)translator.translate(fields[7].c_str(), fields[6].c_str(), fields[8].c_str());
                (void)translator.translate(fields[7].c_str(), fields[6].c_str(), fields[8].c_str(),
                                           2);
                for (std::string& field : fields)
                    field.clear();
            } else if (tag == 5) {
                m += 4;
            } else {
                const std::uint32_t length = bigEndian(m);
                m += 4;
                if (tag == 3 && length == 0xffffffff) continue;
                if (tag < 9) fields[tag].assign(reinterpret_cast<const char*>(m), length);
                m += length;
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!tavo::ui::translationFault(data, size).empty()) return 0;
    unsigned char* fenced = fencedEnd() - size;
    std::memcpy(fenced, data, size);
    QTranslator translator;
    if (!translator.load(fenced, static_cast<int>(size))) return 0;
    lookUpEveryMessage(translator, fenced, size);
    (void)translator.translate("tavo", "no message has these words");
    return 0;
}
