#pragma once
// Sets an environment variable (or, given nothing, removes it) for the life
// of the object, then puts back what was there, on POSIX and Windows alike.
// Values are UTF-8; Windows gets them wide.

#include "files/path_text.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace mervadin::test {

class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::optional<std::string>& value)
        : name_(std::move(name)) {
#ifdef _WIN32
        if (const wchar_t* old = ::_wgetenv(Wide(name_).c_str()))
            old_ = Utf8Of(std::filesystem::path(old));
#else
        if (const char* old = std::getenv(name_.c_str()))
            old_ = old;
#endif
        Set(value);
    }
    ~ScopedEnvironment() {
        Set(old_);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Set(const std::optional<std::string>& value) const {
#ifdef _WIN32
        // An empty value removes the variable on Windows.
        ::_wputenv_s(Wide(name_).c_str(), value ? Wide(*value).c_str() : L"");
#else
        if (value)
            ::setenv(name_.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
#endif
    }

    static std::wstring Wide(const std::string& utf8) {
        return PathFromUtf8(utf8).wstring();
    }

    std::string name_;
    std::optional<std::string> old_;
};

} // namespace mervadin::test
