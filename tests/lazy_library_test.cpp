#include "common/lazy_library.h"

#include <gtest/gtest.h>

#include <string.h>
#include <string>

namespace mervadin {
namespace {

LazyLibrary& C() {
    static LazyLibrary library("libc.so.6");
    return library;
}

TEST(LazyLibrary, OpensOnFirstUseAndNamesWhatIsMissing) {
    EXPECT_EQ(MERVADIN_LAZY(C(), strlen)("four"), 4u);
    EXPECT_EQ(C().Get<std::size_t(const char*)>("strlen")("ab"), 2u);

    LazyLibrary absent("libmervadin-absent.so.9");
    try {
        absent.Get<void()>("anything");
        ADD_FAILURE() << "an absent library was opened";
    } catch (const LibraryMissing& missing) {
        EXPECT_NE(std::string(missing.what()).find("libmervadin-absent.so.9"), std::string::npos);
    }
    // Asked again, it fails the same way rather than crash.
    EXPECT_THROW(absent.Get<void()>("anything"), LibraryMissing);
    try {
        C().Get<void()>("mervadin_no_such_function");
        ADD_FAILURE() << "a function that does not exist was found";
    } catch (const LibraryMissing& missing) {
        EXPECT_NE(std::string(missing.what()).find("mervadin_no_such_function"),
                  std::string::npos);
    }
}

} // namespace
} // namespace mervadin
