#include "support/temp_folder.h"

#include "files/file_batch.h"
#include "files/file_read.h"

#include <fstream>
#include <random>

namespace mervadin::test {

TempFolder::TempFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("mervadin-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string Slurp(const std::filesystem::path& file) {
    return ReadFileBytes(file);
}

void Spit(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace mervadin::test
