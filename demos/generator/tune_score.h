// The score of the flight scenes' tune: an original piece in E minor at 140
// beats a minute, 30 bars (about 51 seconds): an intro, a theme, a bridge
// that climbs to B major, the theme again and a two-bar turnaround that
// leads back into the intro when the tune restarts.
//
// Each bar is 16 sixteenth notes. A melody bar is a list of NOTE:LENGTH
// tokens (LENGTH in sixteenths, "-" for a rest) that must add up to 16. A
// drum line has one character per sixteenth: 'x' hit, 'o' accent, '.' none.
#pragma once

#include <array>
#include <string_view>

namespace demo_gen::score {

inline constexpr double kBeatsPerMinute = 140.0;
inline constexpr int kBars = 30;

enum class Section { Intro, Theme, Bridge, Turnaround };

struct Bar {
  Section section;
  std::string_view chord;   // a name from kChords
  std::string_view melody;  // "" when the lead is silent
  int drums;                // a row of kDrumBars
};

struct Chord {
  std::string_view name;
  int bass;                // note number of the bass root
  std::array<int, 3> pad;  // the chord's three notes for the pad
};

inline constexpr auto kChords = std::to_array<Chord>({
    {"Em", 40, {{52, 55, 59}}},
    {"C", 36, {{52, 55, 60}}},
    {"D", 38, {{50, 54, 57}}},
    {"G", 43, {{50, 55, 59}}},
    {"Am", 45, {{52, 57, 60}}},
    {"B", 35, {{51, 54, 59}}},
    {"Bm", 35, {{50, 54, 59}}},
});
static_assert(kChords.size() == 7);

struct DrumBar {
  std::string_view kick;
  std::string_view snare;
  std::string_view hat;
  std::string_view openHat;
  bool crash;  // a crash cymbal on the first beat
};

inline constexpr auto kDrumBars = std::to_array<DrumBar>({
    // 0: intro, kick and hats only
    {"x.......x.......", "................", "x.x.x.x.x.x.x.x.", "................", false},
    // 1: intro fill into the theme
    {"x.......x.......", "........x.x.xxxx", "x.x.x.x.........", "................", false},
    // 2: main beat, section start
    {"x.....x.x.x.....", "....o.......o...", "x.x.x.x.x.x.x...", "..............x.", true},
    // 3: main beat
    {"x.....x.x.x.....", "....o.......o...", "x.x.x.x.x.x.x...", "..............x.", false},
    // 4: bridge, driving sixteenths on the hats
    {"x...x...x...x...", "....o.......o..x", "xxxxxxxxxxxxxxxx", "................", false},
    // 5: turnaround fill
    {"x.....x.x.......", "....o...x.xxoxoo", "x.x.x.x.........", "................", false},
});
static_assert(kDrumBars.size() == 6);

inline constexpr std::array<Bar, kBars> kBarsOfTune{{
    // Intro
    {Section::Intro, "Em", "", 0},
    {Section::Intro, "C", "", 0},
    {Section::Intro, "D", "", 0},
    {Section::Intro, "Em", "", 1},
    // Theme
    {Section::Theme, "Em", "E5:4 B4:2 E5:2 F#5:4 G5:4", 2},
    {Section::Theme, "C", "G5:6 F#5:2 E5:4 D5:4", 3},
    {Section::Theme, "G", "D5:4 B4:2 D5:2 G5:4 A5:4", 3},
    {Section::Theme, "D", "F#5:8 D5:4 A4:4", 3},
    {Section::Theme, "Em", "E5:4 B4:2 E5:2 F#5:4 G5:2 A5:2", 3},
    {Section::Theme, "C", "B5:6 A5:2 G5:4 E5:4", 3},
    {Section::Theme, "D", "F#5:4 G5:2 F#5:2 E5:4 D5:4", 3},
    {Section::Theme, "Em", "E5:12 -:4", 1},
    // Bridge
    {Section::Bridge, "C", "G5:2 G5:2 G5:2 A5:2 G5:4 E5:4", 4},
    {Section::Bridge, "D", "F#5:2 F#5:2 F#5:2 G5:2 A5:4 D5:4", 4},
    {Section::Bridge, "Em", "B5:8 A5:4 G5:4", 4},
    {Section::Bridge, "Em", "E5:8 B4:4 E5:4", 4},
    {Section::Bridge, "C", "C6:4 B5:2 A5:2 G5:4 E5:4", 4},
    {Section::Bridge, "D", "D6:4 C6:2 B5:2 A5:4 F#5:4", 4},
    {Section::Bridge, "B", "D#5:4 F#5:4 B5:4 A5:4", 4},
    {Section::Bridge, "B", "B5:12 -:4", 1},
    // Theme again, the last phrase reaching higher
    {Section::Theme, "Em", "E5:4 B4:2 E5:2 F#5:4 G5:4", 2},
    {Section::Theme, "C", "G5:6 F#5:2 E5:4 D5:4", 3},
    {Section::Theme, "G", "D5:4 B4:2 D5:2 G5:4 A5:4", 3},
    {Section::Theme, "D", "F#5:8 D5:4 A4:4", 3},
    {Section::Theme, "Em", "E5:4 B4:2 E5:2 F#5:4 G5:2 A5:2", 3},
    {Section::Theme, "C", "B5:6 A5:2 G5:4 E6:4", 3},
    {Section::Theme, "D", "D6:4 B5:2 A5:2 F#5:4 D5:4", 3},
    {Section::Theme, "Em", "E5:16", 3},
    // Turnaround
    {Section::Turnaround, "Am", "", 3},
    {Section::Turnaround, "B", "", 5},
}};

}  // namespace demo_gen::score
