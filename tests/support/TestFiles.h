// Temporary folders and small files made by the tests themselves.
#pragma once

#include <string>
#include <vector>

namespace tavo::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);
void writeBytes(const std::string& path, const void* data, std::size_t size);
std::vector<unsigned char> readBytes(const std::string& path);
std::string readText(const std::string& path); // "" when it cannot be read
bool fileExists(const std::string& path);
std::vector<std::string> listFolder(const std::string& path);

} // namespace tavo::test
