#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "scoped_locale.h"

// A GoogleTest fixture that runs its tests under de_DE.UTF-8, a desktop
// locale with a decimal comma, and skips them when that locale is missing.
class GermanLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        locale_.emplace("de_DE.UTF-8");
        if (!locale_->ok()) {
            GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed "
                            "(tools/install-deps generates it)";
        }
    }
    void TearDown() override { locale_.reset(); }

  private:
    std::optional<ScopedLocale> locale_;
};
