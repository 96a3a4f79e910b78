#include "common/lazy_library.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace mervadin {

void* LazyLibrary::Address(const char* symbol) {
    std::call_once(opened_, [this] {
#ifdef _WIN32
        handle_ = ::LoadLibraryA(name_.c_str());
        if (!handle_)
            failure_ = "cannot load " + name_ + " (error " + std::to_string(::GetLastError()) + ")";
#else
        handle_ = ::dlopen(name_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_) {
            const char* reason = ::dlerror();
            failure_ = "cannot load " + name_ + ": " + (reason ? reason : "unknown error");
        }
#endif
    });
    if (!handle_)
        throw LibraryMissing(failure_);
#ifdef _WIN32
    void* address =
        reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle_), symbol));
#else
    void* address = ::dlsym(handle_, symbol);
#endif
    if (!address)
        throw LibraryMissing(name_ + " has no function " + symbol);
    return address;
}

} // namespace mervadin
