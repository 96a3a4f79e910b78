#pragma once
// A shared library opened the first time one of its functions is called.
// Libraries that only some commands need (the workbook reader and writer,
// the USB HID library) are not loaded, nor are the libraries they pull in,
// when a program starts: loading them cost every run of the tool several
// milliseconds, a read of the call records included.

#include <mutex>
#include <stdexcept>
#include <type_traits>
#include <string>

namespace mervadin {

// The library cannot be loaded or lacks the function; what() names both.
class LibraryMissing : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class LazyLibrary {
public:
    // `name`: the file name the system loader looks for, e.g. "libzip.so.4".
    explicit LazyLibrary(std::string name) : name_(std::move(name)) {}
    LazyLibrary(const LazyLibrary&) = delete;
    LazyLibrary& operator=(const LazyLibrary&) = delete;

    // The function `symbol`, the library loaded first. The library stays
    // loaded for the rest of the process.
    template <typename Function>
    Function* Get(const char* symbol) {
        return reinterpret_cast<Function*>(Address(symbol));
    }

private:
    void* Address(const char* symbol);

    std::string name_;
    std::once_flag opened_;
    void* handle_ = nullptr;
    std::string failure_;
};

} // namespace mervadin

// The function `function` (declared by the library's header) of `library`,
// a LazyLibrary&; looked up once per place it is called from.
#define MERVADIN_LAZY(library, function)                                                      \
    ([]() -> decltype(&function) {                                                            \
        static const auto address = (library).Get<std::remove_pointer_t<decltype(&function)>>( \
            #function);                                                                       \
        return address;                                                                       \
    }())
