// SPDX-License-Identifier: MIT
// Sessions of acts generated from seeds, played on the real window and written out act by act
// with what the window then shows, for the page to replay in every browser: by default the fixed
// corpus of seeds 1 to 300, twenty acts each; FANSEL_GENERATED_SEED and
// FANSEL_GENERATED_SESSIONS choose another run (docs/tests.md).

#include "acts.h"
#include "person.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

unsigned setting(const char* name, unsigned otherwise) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? otherwise : value.toUInt();
}

} // namespace

TEST(Generated, EverySessionIsPlayedAndWrittenOut) {
    const unsigned first = setting("FANSEL_GENERATED_SEED", 1);
    const unsigned sessions = setting("FANSEL_GENERATED_SESSIONS", 300);
    const QString folder = QStringLiteral(FANSEL_SESSION_REPLAYS "/generated");
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    int acts = 0;
    for (unsigned seed = first; seed < first + sessions; ++seed) {
        SCOPED_TRACE(seed);
        Person person;
        const ActsPlayed played = playGenerated(person.window(), seed, 20);
        EXPECT_EQ(played.failures, std::vector<std::string>{});
        QFile output(folder +
                     QStringLiteral("/seed-%1.session").arg(seed, 6, 10, QLatin1Char('0')));
        ASSERT_TRUE(output.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const std::string& line : played.record)
            output.write((line + '\n').c_str());
        acts += static_cast<int>(played.record.size() / 2);
    }
    std::printf("generated: %u sessions from seed %u, %d acts\n", sessions, first, acts);
}
