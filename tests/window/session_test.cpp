// SPDX-License-Identifier: MIT
// Sessions played on the real window and written out, act by act with what the window then
// shows, for the page to replay in the browsers (tests/web): the fuzz corpus's, after each of
// whose actions every rule holds; and the sessions of acts (tests/sessions), each of whose
// expectations holds.

#include "acts.h"
#include "person.h"
#include "session.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <span>

namespace {

void writeOut(const QString& name, const std::vector<std::string>& record) {
    QDir().mkpath(QStringLiteral(FANSEL_SESSION_REPLAYS));
    QFile output(QStringLiteral(FANSEL_SESSION_REPLAYS "/") + name);
    ASSERT_TRUE(output.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const std::string& line : record)
        output.write((line + '\n').c_str());
}

} // namespace

TEST(Session, EverySessionOfActsShowsWhatItExpectsAndIsWrittenOut) {
    const QDir sessions(QStringLiteral(FANSEL_SESSION_ACTS));
    const QStringList names = sessions.entryList({QStringLiteral("*.session")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile input(sessions.filePath(name));
        ASSERT_TRUE(input.open(QIODevice::ReadOnly | QIODevice::Text));
        Person person;
        const ActsPlayed played = playActs(person.window(), QString::fromUtf8(input.readAll()));
        EXPECT_EQ(played.failures, std::vector<std::string>{});
        writeOut(name, played.record);
    }
}

TEST(Session, AnActOrKeyTheLanguageDoesNotNameFailsTheSession) {
    Person person;
    const ActsPlayed played = playActs(person.window(), QStringLiteral("kye Down\nkey F13\n"));
    EXPECT_EQ(played.failures, (std::vector<std::string>{"kye Down: no such act or key",
                                                         "key F13: no such act or key"}));
}

TEST(Session, EveryRecordedSessionKeepsTheWindowSoundAndIsWrittenOut) {
    const QDir corpus(QStringLiteral(FANSEL_SESSION_CORPUS));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(seeds.isEmpty());
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
        writeOut(seed, session.record());
    }
}
