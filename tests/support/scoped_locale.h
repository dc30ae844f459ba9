#pragma once

#include <clocale>
#include <string>

// Switches the process locale for the life of one object and puts the
// previous one back when it goes out of scope, however the test ends, so a
// test under a desktop locale cannot leak it into the tests after it.
class ScopedLocale {
  public:
    explicit ScopedLocale(const char* name) {
        const char* current = std::setlocale(LC_ALL, nullptr);
        saved_ = current ? current : "C";
        ok_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // False when the locale is not installed (the process locale is then
    // unchanged).
    bool ok() const { return ok_; }

  private:
    std::string saved_;
    bool ok_ = false;
};
