#include "platform/MidiPlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using State = MidiPlayer::State;

// A format-0 Standard MIDI File: piano, three quarter notes C-E-G at 120 bpm, 480 ticks a beat.
QByteArray smallTune()
{
    QByteArray track;
    auto event = [&track](std::initializer_list<int> bytes) {
        for (int b : bytes)
            track.append(char(b));
    };
    event({0x00, 0xC0, 0x00});                                  // piano
    for (int key : {60, 64, 67}) {
        event({0x00, 0x90, key, 100});                          // note on
        event({0x83, 0x60, 0x80, key, 0});                      // 480 ticks later, note off
    }
    event({0x00, 0xFF, 0x2F, 0x00});                            // end of track
    QByteArray file("MThd\0\0\0\x06\0\0\0\x01\x01\xE0", 14);
    file += "MTrk";
    const quint32 size = quint32(track.size());
    file.append(char(size >> 24)).append(char(size >> 16)).append(char(size >> 8)).append(char(size));
    return file + track;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

float peak(const std::vector<float> &samples, double from, double to)
{
    const size_t first = std::min(samples.size(), size_t(from * 44100) * 2);
    const size_t last = std::min(samples.size(), size_t(to * 44100) * 2);
    float result = 0;
    for (size_t i = first; i < last; ++i)
        result = std::max(result, std::fabs(samples[i]));
    return result;
}

class MidiPlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        tune = folder.filePath(QStringLiteral("tune.mid"));
        ASSERT_TRUE(writeFile(tune, smallTune()));
    }
    void TearDown() override { MidiPlayer::setSoundFontPath(QString()); }

    bool haveSoundFont() const { return !MidiPlayer::soundFontPath().isEmpty(); }

    QTemporaryDir folder;
    QString tune;
};

} // namespace

TEST_F(MidiPlayerTest, RendersAWrittenTuneOfflineAndFallsSilentAfterIt)
{
    if (!haveSoundFont())
        GTEST_SKIP() << "no General MIDI soundfont installed";
    const std::vector<float> samples = MidiPlayer::renderOffline(tune, 3.0);
    ASSERT_EQ(samples.size(), size_t(3 * 44100 * 2));
    EXPECT_GT(peak(samples, 0.0, 1.5), 0.001f);          // three notes of half a second each
    EXPECT_LT(peak(samples, 2.8, 3.0), peak(samples, 0.0, 1.5) / 100);
}

TEST_F(MidiPlayerTest, OfflineRenderingOfNothingPlayableIsEmpty)
{
    const QString text = folder.filePath(QStringLiteral("note.txt"));
    ASSERT_TRUE(writeFile(text, "not a tune"));
    EXPECT_TRUE(MidiPlayer::renderOffline(folder.filePath(QStringLiteral("missing.mid")), 1.0).empty());
    EXPECT_TRUE(MidiPlayer::renderOffline(text, 1.0).empty());
    MidiPlayer::setSoundFontPath(folder.filePath(QStringLiteral("missing.sf2")));
    EXPECT_TRUE(MidiPlayer::renderOffline(tune, 1.0).empty());
}

TEST_F(MidiPlayerTest, TheShippedSplashTuneLastsAboutTwentySeconds)
{
    if (!haveSoundFont())
        GTEST_SKIP() << "no General MIDI soundfont installed";
    const QString shipped =
        QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../resources/program/Internet.mid"));
    ASSERT_TRUE(QFileInfo::exists(shipped)) << shipped.toStdString();
    const std::vector<float> samples = MidiPlayer::renderOffline(shipped, 26.0);
    const float loudest = peak(samples, 0.0, 20.0);
    EXPECT_GT(loudest, 0.01f);
    EXPECT_GT(peak(samples, 17.0, 19.0), loudest / 20);  // still playing near its end
    EXPECT_LT(peak(samples, 24.0, 26.0), loudest / 100); // and over a few seconds later
}

TEST_F(MidiPlayerTest, MissingFileGoesThroughEveryCommandSilently)
{
    MidiPlayer player;
    player.FileName = folder.filePath(QStringLiteral("Internet.mid"));
    const QList<std::pair<QString, State>> steps = {{QStringLiteral("open"), State::Open},
                                                    {QStringLiteral("play"), State::Playing},
                                                    {QStringLiteral("pause"), State::Paused},
                                                    {QStringLiteral("play"), State::Playing},
                                                    {QStringLiteral("close"), State::Closed}};
    for (const auto &[command, state] : steps) {
        player.command(command);
        EXPECT_EQ(player.state(), state) << command.toStdString();
        EXPECT_FALSE(player.hasTune());
        EXPECT_FALSE(player.hasSound());
    }
}

TEST_F(MidiPlayerTest, CommandsFollowTheirOrder)
{
    MidiPlayer player;
    player.FileName = folder.filePath(QStringLiteral("missing.mid"));
    player.command(QStringLiteral("play"));             // nothing open yet
    EXPECT_EQ(player.state(), State::Closed);
    player.command(QStringLiteral("pause"));
    EXPECT_EQ(player.state(), State::Closed);
    player.command(QStringLiteral("Open"));             // the classic control ignores letter case
    EXPECT_EQ(player.state(), State::Open);
    player.command(QStringLiteral("pause"));            // not playing: nothing to pause
    EXPECT_EQ(player.state(), State::Open);
    player.command(QStringLiteral("rewind"));           // not a command of the splash: ignored
    EXPECT_EQ(player.state(), State::Open);
    player.command(QStringLiteral("PLAY"));
    EXPECT_EQ(player.state(), State::Playing);
    player.command(QStringLiteral("open"));             // opening again starts afresh
    EXPECT_EQ(player.state(), State::Open);
    player.command(QStringLiteral("play"));
    player.command(QStringLiteral("pause"));
    player.command(QStringLiteral("close"));
    EXPECT_EQ(player.state(), State::Closed);
    player.command(QStringLiteral("play"));             // closed stays closed
    EXPECT_EQ(player.state(), State::Closed);
}

TEST_F(MidiPlayerTest, RelativeNameIsTakenFromTheCurrentFolder)
{
    if (!haveSoundFont())
        GTEST_SKIP() << "no General MIDI soundfont installed";
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    MidiPlayer player;
    player.FileName = QStringLiteral("tune.mid");
    player.command(QStringLiteral("open"));
    const bool loaded = player.hasTune();
    QDir::setCurrent(previous);

    EXPECT_TRUE(loaded);
    // Played, paused and closed: with or without a sound device, the state follows.
    player.command(QStringLiteral("play"));
    EXPECT_EQ(player.state(), State::Playing);
    player.command(QStringLiteral("pause"));
    EXPECT_EQ(player.state(), State::Paused);
    player.command(QStringLiteral("close"));
    EXPECT_EQ(player.state(), State::Closed);
    EXPECT_FALSE(player.hasTune());
    EXPECT_FALSE(player.hasSound());
}

TEST_F(MidiPlayerTest, MissingSoundFontOrNonMidiFileLeavesThePlayerSilent)
{
    const QString text = folder.filePath(QStringLiteral("Internet.mid"));
    ASSERT_TRUE(writeFile(text, "RIFF not a tune"));
    MidiPlayer player;
    player.FileName = text;
    player.command(QStringLiteral("open"));
    EXPECT_FALSE(player.hasTune());

    MidiPlayer::setSoundFontPath(folder.filePath(QStringLiteral("missing.sf2")));
    player.FileName = tune;
    player.command(QStringLiteral("open"));
    EXPECT_EQ(player.state(), State::Open);
    EXPECT_FALSE(player.hasTune());
    player.command(QStringLiteral("play"));
    EXPECT_EQ(player.state(), State::Playing);
    EXPECT_FALSE(player.hasSound());
}
