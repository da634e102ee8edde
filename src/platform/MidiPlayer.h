#pragma once

#include <QString>
#include <memory>
#include <vector>

// Stand-in for the multimedia control that plays the splash tune: a file name and the
// commands "open", "play", "pause" and "close". Silent, without a message and without delay,
// when the file, the soundfont or a sound device is missing.
class MidiPlayer
{
public:
    MidiPlayer();
    ~MidiPlayer();
    MidiPlayer(const MidiPlayer &) = delete;
    MidiPlayer &operator=(const MidiPlayer &) = delete;

    QString FileName;
    void command(const QString &name);  // "open", "play", "pause", "close"; others ignored

    enum class State { Closed, Open, Playing, Paused };
    State state() const;
    bool hasTune() const;       // the file and the soundfont were loaded

    // Renders the loaded tune offline into interleaved stereo float samples (for tests).
    static std::vector<float> renderOffline(const QString &midiFile, double seconds);

    // Soundfont path used by open (tests may point it elsewhere).
    static QString soundFontPath();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
