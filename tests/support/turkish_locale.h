// SPDX-License-Identifier: MIT
#pragma once
// The process under a Turkish locale, whose decimal separator is the comma, for the rest of a
// test; the locale before comes back at its end. The tests build the locale (LOCPATH); Windows
// has its own. A page has no process locale: there the test is skipped, saying so; anywhere
// else a locale that cannot be set fails the test.

#include <clocale>
#include <string>

class TurkishLocale {
public:
    TurkishLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
#ifndef __EMSCRIPTEN__
        set_ = std::setlocale(LC_ALL, kName) != nullptr;
#endif
    }
    ~TurkishLocale() {
        std::setlocale(LC_ALL, previous_.c_str());
    }
    TurkishLocale(const TurkishLocale&) = delete;
    TurkishLocale& operator=(const TurkishLocale&) = delete;
    bool isSet() const {
        return set_;
    }

private:
#ifdef _WIN32
    static constexpr const char* kName = "Turkish_Turkey.1254"; // Windows' own name of it
#else
    static constexpr const char* kName = "tr_TR.UTF-8";
#endif
    std::string previous_;
    bool set_ = false;
};

#ifdef __EMSCRIPTEN__
#define UNDER_A_TURKISH_LOCALE() GTEST_SKIP() << "a page has no process locale"
#else
#define UNDER_A_TURKISH_LOCALE()                                                                   \
    const TurkishLocale turkishLocale;                                                             \
    ASSERT_TRUE(turkishLocale.isSet())                                                             \
        << "the Turkish locale is built for the tests; LOCPATH must point at it"
#endif
