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

    // Replaces the list with every whole record of the bytes (a short last
    // record is dropped). True when there was at least one record and no
    // more than kMaxEntries; otherwise false, and the list is empty.
    bool loadFromBytes(const unsigned char* data, std::size_t size) {
        entries_.clear();
        const std::size_t records = size / sizeof(Entry);
        if (records == 0 || records > kMaxEntries) return false;
        entries_.resize(records);
        std::memcpy(entries_.data(), data, records * sizeof(Entry));
        return true;
    }

    // Replaces the list with the records of a regular file. False, with the
    // list empty and the reason in `problem` when given, when the file
    // cannot be read, holds no whole record or more than kMaxEntries.
    bool loadFromFile(const std::string& path, std::string* problem = nullptr) {
        entries_.clear();
        const FileRead file = readRegularFile(path, (kMaxEntries + 1) * sizeof(Entry));
        std::string why = file.reason;
        if (file.ok && file.fileSize / sizeof(Entry) > kMaxEntries)
            why = path + " holds more than " + std::to_string(kMaxEntries) + " records";
        else if (file.ok && !loadFromBytes(file.bytes.data(), file.bytes.size()))
            why = path + " holds no whole record";
        if (why.empty()) return true;
        if (problem) *problem = why;
        return false;
    }

private:
    std::vector<Entry> entries_;
};

} // namespace tavo
