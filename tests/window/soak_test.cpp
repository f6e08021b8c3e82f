// SPDX-License-Identifier: MIT
// A long session of random use in one window: the window stays sound after every action and the
// process's memory stays flat.

#include "person.h"
#include "session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <unistd.h>
#include <vector>

namespace {

long residentKiB() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

std::size_t actionCount() {
    const QByteArray configured = qgetenv("FANSEL_SOAK_ACTIONS");
    return configured.isEmpty() ? 100'000 : configured.toULong();
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeasured = false; // the sanitizer's quarantine grows by design
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMemoryIsMeasured = false;
#else
constexpr bool kMemoryIsMeasured = true;
#endif
#else
constexpr bool kMemoryIsMeasured = true;
#endif

TEST(Soak, RandomActionsKeepTheWindowSoundAndTheMemoryFlat) {
    Person person;
    Session session(person.window());
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> byte(0, 255);

    const std::size_t total = actionCount();
    const std::size_t warmUp = total / 10;
    long afterWarmUp = 0;
    long highest = 0;
    std::vector<std::uint8_t> chunk(64);
    while (session.actions() < total) {
        for (auto& b : chunk)
            b = static_cast<std::uint8_t>(byte(random));
        std::span<const std::uint8_t> bytes(chunk);
        while (session.actions() < total && session.step(bytes)) {
            if (session.actions() == warmUp)
                afterWarmUp = residentKiB();
            if (session.actions() > warmUp && session.actions() % 1000 == 0)
                highest = std::max(highest, residentKiB());
        }
        ASSERT_EQ(session.failure(), "") << "after " << session.actions() << " actions";
    }
    const long atEnd = residentKiB();
    std::printf("soak: %zu actions; resident memory %ld KiB after %zu actions, at most %ld KiB "
                "after that, %ld KiB at the end\n",
                session.actions(), afterWarmUp, warmUp, highest, atEnd);
    if (kMemoryIsMeasured) {
        EXPECT_LE(highest - afterWarmUp, 1024) << "memory grew by more than 1 MiB";
    }
}

} // namespace
