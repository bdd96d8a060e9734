#include "sound/music.hpp"

#include "sound/mod_instruments.hpp"

#include <array>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace sound {

namespace {

// ProTracker periods, finetune 0, C-1 to B-3: note index 0 is C-1.
constexpr std::array<std::uint16_t, 36> kPeriods{856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                                                 428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                                                 214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

constexpr int kRowsPerBar = 16;
constexpr int kRowsPerEighth = 2;
constexpr int kBarsPerPattern = kModRows / kRowsPerBar;

enum class TChannel : std::uint8_t { Drums = 0, Bass, Lead, Chords };

enum TEffect : std::uint8_t {
    EffectArpeggio = 0x0,
    EffectVibrato = 0x4,
    EffectPositionJump = 0xB,
    EffectSetVolume = 0xC,
    EffectExtended = 0xE,
    EffectSpeed = 0xF,
};
constexpr std::uint8_t kNoteCutAt3 = 0xC3;

// A chord by its root pitch class (C = 0) and whether its third is minor.
struct TChord {
    int root;
    bool minor;
    int third() const { return minor ? 3 : 4; }
};
constexpr TChord kAm{9, true}, kF{5, false}, kC{0, false}, kG{7, false}, kE{4, false}, kDm{2, true};
using TProgression = std::array<TChord, kBarsPerPattern>;

// The lowest note index at or above low with the given pitch class.
int noteAtOrAbove(int pitchClass, int low) {
    int note = low;
    while ((note % 12 + 12) % 12 != pitchClass) {
        ++note;
    }
    return note;
}

class TPatternBuilder {
public:
    TModPattern pattern{};

    TModCell& cell(int row, TChannel channel) {
        return pattern.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(channel));
    }
    void note(int row, TChannel channel, TInstrument instrument, int noteIndex) {
        TModCell& target = cell(row, channel);
        target.period = kPeriods.at(static_cast<std::size_t>(noteIndex));
        target.sample = static_cast<std::uint8_t>(instrument);
    }
    void effect(int row, TChannel channel, std::uint8_t effect, std::uint8_t parameter) {
        TModCell& target = cell(row, channel);
        target.effect = effect;
        target.parameter = parameter;
    }
};

// Song-wide commands go on whichever channel of the row has no effect of its own.
void globalEffect(TModPattern& pattern, int row, std::uint8_t effect, std::uint8_t parameter) {
    for (TModCell& target : pattern.at(static_cast<std::size_t>(row))) {
        if (target.effect == 0 && target.parameter == 0) {
            target.effect = effect;
            target.parameter = parameter;
            return;
        }
    }
    throw std::logic_error("no free effect slot for a song command");
}

// ---- Drums -------------------------------------------------------------------------------------------

enum class TDrums : std::uint8_t { Sparse, Groove, Drive, HalfTime, HalfTimeBuild };

void hit(TPatternBuilder& builder, int row, TInstrument drum, int volume = -1) {
    builder.note(row, TChannel::Drums, drum, 24); // C-3: the drums' own pitch
    // A later hit replaces an earlier one on the same row, its volume too.
    if (volume >= 0) {
        builder.effect(row, TChannel::Drums, EffectSetVolume, static_cast<std::uint8_t>(volume));
    } else {
        builder.effect(row, TChannel::Drums, 0, 0);
    }
}

// Snares growing louder to the end of the bar: eighths from fromStep, sixteenths over the last beat.
void snareFill(TPatternBuilder& builder, int barStart, int fromStep) {
    constexpr int lastBeat = kRowsPerBar - 4;
    for (int step = fromStep; step < kRowsPerBar; ++step) {
        if (step < lastBeat && step % 2 != 0) {
            continue;
        }
        const int volume = 16 + 36 * (step - fromStep) / (kRowsPerBar - fromStep);
        hit(builder, barStart + step, TInstrument::Snare, volume);
    }
}

void writeDrumBar(TPatternBuilder& builder, int bar, TDrums style, bool lastBar) {
    const int start = bar * kRowsPerBar;
    using enum TInstrument;
    switch (style) {
    case TDrums::Sparse:
        for (int step = 0; step < kRowsPerBar; step += 2) {
            hit(builder, start + step, Hat, step % 4 == 0 ? 22 : 14);
        }
        hit(builder, start, Kick);
        hit(builder, start + 8, Kick);
        if (lastBar) {
            hit(builder, start + 4, Snare, 40);
            snareFill(builder, start, 12);
        }
        return;
    case TDrums::Groove:
    case TDrums::Drive:
        for (int step = 2; step < kRowsPerBar; step += 4) {
            hit(builder, start + step, Hat);
        }
        hit(builder, start, Kick);
        hit(builder, start + 4, Snare);
        hit(builder, start + 8, Kick);
        hit(builder, start + 12, Snare);
        if (style == TDrums::Drive) {
            hit(builder, start + 6, Kick, 48);
            hit(builder, start + 15, Hat, 18);
        } else if (bar % 2 == 1) {
            hit(builder, start + 10, Kick, 44);
        }
        if (lastBar) {
            snareFill(builder, start, 12);
        }
        return;
    case TDrums::HalfTime:
    case TDrums::HalfTimeBuild:
        hit(builder, start, Kick);
        hit(builder, start + 4, Hat, 18);
        hit(builder, start + 8, Snare);
        hit(builder, start + 12, Hat, 18);
        if (bar % 2 == 1) {
            hit(builder, start + 14, Kick, 40);
        }
        if (lastBar && style == TDrums::HalfTimeBuild) {
            snareFill(builder, start, 0);
        }
        return;
    }
}

// ---- Bass --------------------------------------------------------------------------------------------

enum class TBass : std::uint8_t { Tresillo, Octaves, Long };

constexpr int kBassLow = 4; // E-1

void writeBassBar(TPatternBuilder& builder, int bar, const TChord& chord, TBass style) {
    const int start = bar * kRowsPerBar;
    const int root = noteAtOrAbove(chord.root, kBassLow);
    const int fifth = root + 7 > kBassLow + 11 ? root - 5 : root + 7;
    auto play = [&](int step, int note, bool staccato) {
        builder.note(start + step, TChannel::Bass, TInstrument::Bass, note);
        if (staccato) {
            builder.effect(start + step, TChannel::Bass, EffectExtended, kNoteCutAt3);
        }
    };
    switch (style) {
    case TBass::Tresillo:
        // 3 + 3 + 2 push with an octave pop.
        play(0, root, false);
        play(3, root, true);
        play(6, root + 12, true);
        play(8, root, false);
        play(11, fifth, true);
        play(14, root + 12, true);
        return;
    case TBass::Octaves:
        for (int step = 0; step < kRowsPerBar; step += 2) {
            play(step, step % 4 == 0 ? root : root + 12, step % 4 != 0);
        }
        return;
    case TBass::Long:
        play(0, root, false);
        play(8, fifth, false);
        play(12, root, false);
        return;
    }
}

// ---- Chords ------------------------------------------------------------------------------------------

enum class TChords : std::uint8_t { Broken, Shimmer };

constexpr int kChordLow = 17; // F-2

void writeChordBar(TPatternBuilder& builder, int bar, const TChord& chord, TChords style) {
    const int start = bar * kRowsPerBar;
    const int root = noteAtOrAbove(chord.root, kChordLow);
    if (style == TChords::Broken) {
        // Root, fifth, octave and the tenth, rolling up and down in eighths.
        const std::array<int, 8> shape{0, 7, 12, 12 + chord.third(), 12, 7, chord.third() + 12, 7};
        for (int eighth = 0; eighth < 8; ++eighth) {
            builder.note(start + eighth * kRowsPerEighth, TChannel::Chords, TInstrument::Pad,
                         std::min(root + shape.at(static_cast<std::size_t>(eighth)), 35));
        }
        return;
    }
    // The classic tracker chord: the arpeggio command cycles root, third and fifth every tick.
    builder.note(start, TChannel::Chords, TInstrument::Pad, root);
    const auto parameter = static_cast<std::uint8_t>((chord.third() << 4) | 7);
    for (int step = 0; step < kRowsPerBar; ++step) {
        builder.effect(start + step, TChannel::Chords, EffectArpeggio, parameter);
    }
}

// ---- Lead --------------------------------------------------------------------------------------------

// One token per eighth: a note like "G#4" (octave 4 is the middle one, C-2 in the module), "." to hold it,
// "-" for silence. Held notes get a gentle, delayed vibrato.
void writeMelody(TPatternBuilder& builder, const std::string& melody) {
    std::istringstream tokens(melody);
    std::string token;
    int eighth = 0;
    int heldFor = 0;
    bool sounding = false;
    while (tokens >> token) {
        const int row = eighth * kRowsPerEighth;
        if (row >= kModRows) {
            throw std::logic_error("melody longer than a pattern");
        }
        if (token == ".") {
            ++heldFor;
            if (sounding && heldFor >= 2) {
                builder.effect(row, TChannel::Lead, EffectVibrato, 0x43);
                builder.effect(row + 1, TChannel::Lead, EffectVibrato, 0x43);
            }
        } else if (token == "-") {
            if (sounding) {
                builder.effect(row, TChannel::Lead, EffectSetVolume, 0);
            }
            sounding = false;
        } else {
            static const std::string names = "C-D-EF-G-A-B";
            const auto letter = static_cast<int>(names.find(token.at(0)));
            const bool sharp = token.size() == 3 && token.at(1) == '#';
            const int octave = token.back() - '0';
            const int note = (octave - 4 + 1) * 12 + letter + (sharp ? 1 : 0);
            if (letter < 0 || note < 0 || note >= static_cast<int>(kPeriods.size())) {
                throw std::logic_error("melody note out of range: " + token);
            }
            builder.note(row, TChannel::Lead, TInstrument::Lead, note);
            sounding = true;
            heldFor = 0;
        }
        ++eighth;
    }
}

// ---- Sections ----------------------------------------------------------------------------------------

struct TSection {
    TProgression chords;
    TDrums drums;
    TBass bass;
    TChords chordStyle;
    std::string melody; // empty: the lead rests
};

TModPattern buildSection(const TSection& section) {
    TPatternBuilder builder;
    for (int bar = 0; bar < kBarsPerPattern; ++bar) {
        const TChord& chord = section.chords.at(static_cast<std::size_t>(bar));
        const bool lastBar = bar == kBarsPerPattern - 1;
        writeDrumBar(builder, bar, section.drums, lastBar);
        writeBassBar(builder, bar, chord, section.bass);
        writeChordBar(builder, bar, chord, section.chordStyle);
    }
    writeMelody(builder, section.melody);
    return builder.pattern;
}

const TProgression kVerse{kAm, kF, kC, kG};
const TProgression kChorusOpen{kF, kG, kC, kE};
const TProgression kChorusClosed{kF, kG, kC, kC};
const TProgression kBridge{kDm, kAm, kDm, kE};

// The hook: the same syncopated figure climbing over F and G.
const std::string kHook = "C5 F5 . A5 . G5 F5 .  D5 G5 . B5 . A5 G5 . ";

std::vector<TSection> sections() {
    using enum TDrums;
    return {
        // 0 intro: groove and chords only, the lead waits.
        {kVerse, Sparse, TBass::Tresillo, TChords::Broken, ""},
        // 1 verse: question and answer.
        {kVerse, Groove, TBass::Tresillo, TChords::Broken,
         "E5 . E5 . D5 C5 D5 .  C5 . A4 . . . - -  E5 . E5 . G5 E5 D5 .  D5 . B4 . . . - - "},
        // 2 verse again, answered higher.
        {kVerse, Groove, TBass::Tresillo, TChords::Broken,
         "E5 . E5 . D5 C5 D5 E5  F5 . E5 . C5 . A4 .  G5 . E5 . C5 . E5 .  D5 . . . B4 . D5 . "},
        // 3 chorus, left open on E.
        {kChorusOpen, Drive, TBass::Octaves, TChords::Shimmer,
         kHook + "G5 . E5 . C5 . E5 .  B4 . E5 . G#5 . . . "},
        // 4 chorus, closing on C.
        {kChorusClosed, Drive, TBass::Octaves, TChords::Shimmer,
         kHook + "E5 G5 . G5 . E5 D5 .  C5 . . . . . - - "},
        // 5 bridge: half time, long singing notes.
        {kBridge, HalfTime, TBass::Long, TChords::Shimmer,
         "A4 . . . D5 . F5 .  E5 . . . . . . .  F5 . . . E5 . D5 .  B4 . . . . . . . "},
        // 6 bridge climbing, snare roll into the last verse.
        {kBridge, HalfTimeBuild, TBass::Long, TChords::Shimmer,
         "A5 . . . F5 . D5 .  E5 . . . C5 . A4 .  D5 . F5 . A5 . G5 .  G#5 . . . . . - - "},
        // 7 last chorus: down to E and rest, so the intro's A minor lands as the loop point.
        {kChorusOpen, Drive, TBass::Octaves, TChords::Shimmer,
         kHook + "E5 G5 . G5 . E5 C5 .  B4 . G#4 . E4 . - - "},
    };
}

// Pattern numbers in playing order; the verse and first chorus come back after the bridge.
const std::vector<std::uint8_t> kOrders{0, 1, 2, 3, 4, 5, 6, 2, 3, 7};

} // namespace

TModule composeGameMusic() {
    TModule module;
    module.title = "morvatek battle";
    module.samples = makeInstruments();
    for (const TSection& section : sections()) {
        module.patterns.push_back(buildSection(section));
    }
    module.orders = kOrders;

    // Speed 6 and 125 BPM stated at the start so every pass of the loop plays the same, and a jump back
    // to the start at the end of the last pattern.
    globalEffect(module.patterns.front(), 0, EffectSpeed, 6);
    globalEffect(module.patterns.front(), 0, EffectSpeed, 125);
    globalEffect(module.patterns.at(module.orders.back()), kModRows - 1, EffectPositionJump, 0);
    return module;
}

} // namespace sound
