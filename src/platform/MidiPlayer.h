#pragma once

#include <QString>
#include <memory>
#include <vector>

// Stand-in for the multimedia control that plays the splash tune: a file name and the
// commands "open", "play", "pause" and "close". Silent, without a message and without delay,
// when the file, the soundfont or a sound device is missing; the state follows the commands
// all the same.
class MidiPlayer
{
public:
    MidiPlayer();
    ~MidiPlayer();      // closes
    MidiPlayer(const MidiPlayer &) = delete;
    MidiPlayer &operator=(const MidiPlayer &) = delete;

    QString FileName;   // a relative name is taken from the current folder at "open"

    // "open": loads FileName (an open tune is closed first) and sets it looping;
    // "play": plays or resumes (ignored while closed);
    // "pause": stops where it is, silencing the notes (only while playing);
    // "close": releases everything. Other commands, and letter case, are ignored.
    void command(const QString &name);

    enum class State { Closed, Open, Playing, Paused };
    State state() const;
    bool hasTune() const;       // the file and the soundfont were loaded at the last "open"
    bool hasSound() const;      // a sound device was found at the first "play"

    // Renders a MIDI file offline, without any sound device, into interleaved stereo float
    // samples at 44100 Hz; empty when the file or the soundfont cannot be loaded.
    static std::vector<float> renderOffline(const QString &midiFile, double seconds);

    // Soundfont used by open and renderOffline: the system's default General MIDI soundfont,
    // else TimGM6mb; empty when neither is installed. Tests may point it elsewhere
    // (an empty path restores the search).
    static QString soundFontPath();
    static void setSoundFontPath(const QString &path);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
