#include "files/folder_lock.h"

namespace mervadin {

FolderLock::FolderLock(const std::filesystem::path&) {}

FolderLock::~FolderLock() = default;

} // namespace mervadin
