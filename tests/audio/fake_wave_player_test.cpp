#include "fake_wave_player.h"

#include <gtest/gtest.h>

namespace kz {
namespace {

TEST(FakeWavePlayer, RecordsWhatWouldBeHeardInOrderAcrossPlayers) {
    std::vector<std::string> journal;
    FakeWavePlayer word("MM_word", &journal);
    FakeWavePlayer click("MM_No", &journal);
    click.command(SoundCommand::Close);
    click.setDeviceType("WaveAudio");
    click.setFileName("C:\\DATA\\WAVS\\CLICK.WAV");
    click.command(SoundCommand::Open);
    word.command(SoundCommand::Close);
    word.setFileName("WDS\\CAT.WAV");
    word.command(SoundCommand::Open);
    click.command(SoundCommand::Prev);
    click.command(SoundCommand::Play);

    EXPECT_EQ(click.commands(), (std::vector<std::string>{"Close", "Open C:\\DATA\\WAVS\\CLICK.WAV",
                                                          "Prev", "Play"}));
    EXPECT_EQ(journal,
              (std::vector<std::string>{"MM_No: Close", "MM_No: Open C:\\DATA\\WAVS\\CLICK.WAV",
                                        "MM_word: Close", "MM_word: Open WDS\\CAT.WAV as \"\"",
                                        "MM_No: Prev", "MM_No: Play"}))
        << "a forgotten device type shows";
}

TEST(FakeWavePlayer, ASoundLastsTheGivenNumberOfModeReads) {
    FakeWavePlayer player;
    player.setPlayingReads(2);
    player.command(SoundCommand::Play);
    EXPECT_EQ(player.mode(), WavePlayer::kModePlaying);
    EXPECT_EQ(player.mode(), WavePlayer::kModePlaying);
    EXPECT_EQ(player.mode(), WavePlayer::kModeStopped);
    player.command(SoundCommand::Play);
    player.command(SoundCommand::Close);
    EXPECT_EQ(player.mode(), WavePlayer::kModeStopped) << "Close ends the sound";
}

}  // namespace
}  // namespace kz
