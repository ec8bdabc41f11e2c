#pragma once

#include <QString>

#include <array>
#include <optional>

namespace kotebu {

// The selector shows the theme's words karaoke fashion: the playing position
// (sixteenth notes) is sampled, divided into steps of ten, and a step that
// matches a cue exactly puts the cue's text on the lyric line.

enum class LyricKind { Title, Line, Clear, Credit, Rights, End };

struct LyricCue {
    int step;
    LyricKind kind;
    int line = 0; // LyricKind::Line: 1..13
};

constexpr int LyricCueCount = 24;
extern const std::array<LyricCue, LyricCueCount> LyricSchedule;

// The text a cue puts on the line (empty for Clear).
QString lyricText(const LyricCue &cue);

// The reply of the position query read as its leading decimal digits (spaces
// before them are skipped); an empty or non-numeric reply reads as 0 and a
// number too large to matter saturates.
long long positionFromReply(const QString &reply);

// Position reply -> lyric step (ten units to the step, rounded down).
int lyricStep(const QString &reply);

// The text to show for a step, when the step is a cue.
std::optional<QString> lyricForStep(int step);

} // namespace kotebu
