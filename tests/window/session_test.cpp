// SPDX-License-Identifier: MIT
// The fuzz corpus's recorded sessions, played on the real window: every rule holds after every
// action, and each session is written out, act by act with what the window then shows, for the
// page to replay in a browser (tests/web).

#include "person.h"
#include "session.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <span>

TEST(Session, EveryRecordedSessionKeepsTheWindowSoundAndIsWrittenOut) {
    const QDir corpus(QStringLiteral(FANSEL_SESSION_CORPUS));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(seeds.isEmpty());
    QDir().mkpath(QStringLiteral(FANSEL_SESSION_REPLAYS));
    for (const QString& seed : seeds) {
        SCOPED_TRACE(seed.toStdString());
        QFile input(corpus.filePath(seed));
        ASSERT_TRUE(input.open(QIODevice::ReadOnly));
        const QByteArray data = input.readAll();
        Person person;
        Session session(person.window(), true);
        std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(data.data()),
                                            static_cast<std::size_t>(data.size()));
        while (session.step(bytes)) {
        }
        EXPECT_EQ(session.failure(), "");
        QFile output(QStringLiteral(FANSEL_SESSION_REPLAYS "/") + seed);
        ASSERT_TRUE(output.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const std::string& line : session.record())
            output.write((line + '\n').c_str());
    }
}
