#pragma once

#include <QString>
#include <cstdint>

namespace kotebu {

// Every number of the game is a 16-bit signed value, and truth values are
// 0 (false) and -1 (true); any non-zero value tests as true.
using Int16 = std::int16_t;
constexpr Int16 True = -1;
constexpr Int16 False = 0;

// The phases of a day as NextPhase and LastPhase hold them (NextPhase is None
// while no phase is pending). Plain 16-bit numbers: the state keeps them so.
namespace Phase {
constexpr Int16 None = 0;
constexpr Int16 Night = 1;
constexpr Int16 Morning = 2;
constexpr Int16 Adventure = 3;
} // namespace Phase

// How the game ended, as EndingKind holds it.
namespace EndingKind {
constexpr Int16 None = 0;
constexpr Int16 Victory = 1; // the boss beaten
constexpr Int16 Defeat = 2;  // a fight lost after the age of 30
} // namespace EndingKind

// The module-level state of the game. One instance lives for the whole run
// (see game()); the rules take it by reference so tests can build their own.
struct GameState {
    // Day cycle
    Int16 NextPhase = Phase::None;
    Int16 LastPhase = Phase::None;
    Int16 GameRunning = 0;
    Int16 PhaseTick = 0;
    Int16 Paused = 0;
    Int16 EnemyIndex = 0;
    Int16 EndingKind = EndingKind::None;
    Int16 EventFlags = 0;  // bit 1 married, bit 2 mother

    // The heroine (the saved part)
    Int16 Year = 0;        // quarter years; age = Year / 4 + 8
    Int16 Experience = 0;
    Int16 Stamina = 0;
    Int16 Knowledge = 0;
    Int16 Information = 0;
    Int16 Love = 0;
    Int16 Charm = 0;

    // Presentation and start-up
    Int16 SecondGame = 0;
    Int16 SelectorOpen = 0;
    Int16 NextSceneRequested = 0;
    Int16 DemoSkipRequested = 0;
    Int16 StoryTick = 0;

    QString CrLf;          // LF then CR, set by LoadGameState
    QString PictureFolder; // ends with the folder separator

    QString heroineName() const;
};

// Int(Year / 4) + 8: the heroine's age, rounding down also for a
// (hand-edited) negative Year.
int ageOf(const GameState &state);

// A result put back into the 16 bits every number of the game lives in,
// held at the nearest end rather than wrapped round.
Int16 saturated(int value);
Int16 saturated(double value);

// The game's line break inside its own strings: line feed, then carriage return.
QString gameLineBreak();

// The one game state of the running program.
GameState &game();

} // namespace kotebu
