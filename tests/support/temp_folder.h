#pragma once
// A fresh folder for one test, removed afterwards, and the file calls tests
// use to fill and read it.

#include "files/file_batch.h"
#include "files/file_read.h"

#include <filesystem>
#include <string>

namespace mervadin::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// The exact bytes of a file, for byte-for-byte comparisons.
std::string Slurp(const std::filesystem::path& file);
void Spit(const std::filesystem::path& file, const std::string& bytes);

} // namespace mervadin::test
