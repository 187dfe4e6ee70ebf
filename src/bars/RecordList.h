// An ordered list of fixed-size records read from a headerless list file
// (the bars list and the drinks list share the loading rule).
#pragma once

#include "core/FileIo.h"

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

namespace tavo {

template <typename Entry>
class RecordList {
    static_assert(std::is_trivially_copyable_v<Entry>);

public:
    // More entries than any real list holds; an append beyond fails, which
    // makes the load fail rather than exhaust memory on a damaged file.
    static constexpr std::size_t kMaxEntries = 100000;

    int count() const { return static_cast<int>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }

    bool append(const Entry& entry) {
        if (entries_.size() >= kMaxEntries) return false;
        entries_.push_back(entry);
        return true;
    }

    // The entry at a 0-based position, or nullptr outside the list.
    const Entry* at(int index) const {
        if (index < 0 || index >= count()) return nullptr;
        return &entries_[static_cast<std::size_t>(index)];
    }

    // Appends every whole record of the bytes (a short last record is
    // dropped). True when at least one record was appended and the last
    // append succeeded.
    bool loadFromBytes(const unsigned char* data, std::size_t size) {
        bool appended = false;
        for (std::size_t offset = 0; offset + sizeof(Entry) <= size; offset += sizeof(Entry)) {
            Entry entry;
            std::memcpy(&entry, data + offset, sizeof entry);
            appended = append(entry);
            if (!appended) break;
        }
        return appended;
    }

    bool loadFromFile(const std::string& path) {
        auto bytes = readFileBytes(path, (kMaxEntries + 1) * sizeof(Entry));
        if (!bytes) return false;
        return loadFromBytes(bytes->data(), bytes->size());
    }

private:
    std::vector<Entry> entries_;
};

} // namespace tavo
