#include "platform/MidiPlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <fluidsynth.h>

#include <algorithm>

#ifdef __linux__
#include <dlfcn.h>
#endif

namespace {

constexpr double kSampleRate = 44100.0;
constexpr double kGain = 0.5;     // FluidSynth's own 0.2 leaves a piano tune faint

QString &soundFontOverride()
{
    static QString path;
    return path;
}

void quietLog(int, const char *, void *) {}

#ifdef __linux__
void quietAlsa(const char *, int, const char *, int, const char *, ...) {}
#endif

// FluidSynth and the ALSA library below it report a missing sound device on stderr; the tune
// is an ornament, so both keep quiet. ALSA is reached through the already loaded library
// rather than linked for this one call.
void silenceAudioLogs()
{
    static const bool done = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, quietLog, nullptr);
#ifdef __linux__
        using AlsaHandler = void (*)(const char *, int, const char *, int, const char *, ...);
        using SetHandler = int (*)(AlsaHandler);
        if (void *symbol = dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))
            reinterpret_cast<SetHandler>(symbol)(quietAlsa);
#endif
        return true;
    }();
    (void)done;
}

// The whole file, when it is a Standard MIDI File; empty otherwise.
QByteArray readMidiFile(const QString &name)
{
    if (name.isEmpty())
        return {};
    QFile file(QFileInfo(QDir::current(), name).absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return bytes.startsWith("MThd") ? bytes : QByteArray();
}

// Settings, synth, soundfont and a player holding the tune: everything the tune needs
// except a sound device. Releases what it made when a step fails.
struct Engine
{
    fluid_settings_t *settings = nullptr;
    fluid_synth_t *synth = nullptr;
    fluid_player_t *player = nullptr;

    bool load(const QByteArray &midi)
    {
        const QString soundFont = MidiPlayer::soundFontPath();
        if (midi.isEmpty() || soundFont.isEmpty())
            return false;
        settings = new_fluid_settings();
        if (settings) {
            fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
            fluid_settings_setnum(settings, "synth.gain", kGain);
        }
        synth = settings ? new_fluid_synth(settings) : nullptr;
        if (!synth || fluid_synth_sfload(synth, QFile::encodeName(soundFont).constData(), 1) == FLUID_FAILED) {
            release();
            return false;
        }
        player = new_fluid_player(synth);
        if (!player || fluid_player_add_mem(player, midi.constData(), size_t(midi.size())) != FLUID_OK) {
            release();
            return false;
        }
        return true;
    }

    void release()
    {
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
        player = nullptr;
        synth = nullptr;
        settings = nullptr;
    }
};

} // namespace

struct MidiPlayer::Impl
{
    Engine engine;
    bool tune = false;
    fluid_audio_driver_t *driver = nullptr;
    bool driverTried = false;
    State state = State::Closed;

    void close()
    {
        // The driver's thread calls into the synth and the player: it goes first.
        if (driver)
            delete_fluid_audio_driver(driver);
        driver = nullptr;
        driverTried = false;
        engine.release();
        tune = false;
        state = State::Closed;
    }
};

MidiPlayer::MidiPlayer()
    : d(std::make_unique<Impl>())
{
    silenceAudioLogs();
}

MidiPlayer::~MidiPlayer()
{
    d->close();
}

MidiPlayer::State MidiPlayer::state() const
{
    return d->state;
}

bool MidiPlayer::hasTune() const
{
    return d->tune;
}

bool MidiPlayer::hasSound() const
{
    return d->driver != nullptr;
}

void MidiPlayer::command(const QString &name)
{
    const QString verb = name.trimmed().toLower();
    if (verb == QLatin1String("open")) {
        d->close();
        d->tune = d->engine.load(readMidiFile(FileName));
        if (d->tune)
            fluid_player_set_loop(d->engine.player, -1);
        d->state = State::Open;
    } else if (verb == QLatin1String("play")) {
        if (d->state == State::Closed)
            return;
        // The sound device is looked for once, at the first play: a machine without one
        // keeps the program silent and quick.
        if (d->tune && !d->driverTried) {
            d->driverTried = true;
            d->driver = new_fluid_audio_driver(d->engine.settings, d->engine.synth);
        }
        if (d->driver)
            fluid_player_play(d->engine.player);
        d->state = State::Playing;
    } else if (verb == QLatin1String("pause")) {
        if (d->state != State::Playing)
            return;
        if (d->driver) {
            // Stopping keeps the player's position; the next play goes on from there.
            fluid_player_stop(d->engine.player);
            fluid_synth_all_notes_off(d->engine.synth, -1);
        }
        d->state = State::Paused;
    } else if (verb == QLatin1String("close")) {
        d->close();
    }
}

std::vector<float> MidiPlayer::renderOffline(const QString &midiFile, double seconds)
{
    silenceAudioLogs();
    std::vector<float> samples;
    Engine engine;
    if (seconds <= 0 || !engine.load(readMidiFile(midiFile)))
        return samples;

    // Without a driver the player follows the samples the synth writes.
    fluid_player_play(engine.player);
    const int frames = int(seconds * kSampleRate);
    samples.resize(size_t(frames) * 2);
    constexpr int block = 512;
    for (int done = 0; done < frames; done += block) {
        const int count = std::min(block, frames - done);
        float *out = samples.data() + size_t(done) * 2;
        fluid_synth_write_float(engine.synth, count, out, 0, 2, out, 1, 2);
    }
    engine.release();
    return samples;
}

QString MidiPlayer::soundFontPath()
{
    if (!soundFontOverride().isEmpty())
        return soundFontOverride();
    static const QStringList candidates = {
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

void MidiPlayer::setSoundFontPath(const QString &path)
{
    soundFontOverride() = path;
}
