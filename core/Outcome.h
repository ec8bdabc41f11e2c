#pragma once

#include <QString>

#include <optional>

namespace kotebu {

// The pictures a rule can ask the main window to show. The window owns the
// pictures; the rules only name them.
enum class HeroinePose { Ordinary = 0, Event = 1, Defeat = 2, Illness = 3 };
enum class DayIcon { Morning = 0, Night = 1, Illness = 2 };

struct ShownPicture {
    enum class Kind { Heroine, DayIcon, MonsterFile };
    Kind kind = Kind::Heroine;
    HeroinePose pose = HeroinePose::Ordinary; // Kind::Heroine
    DayIcon icon = DayIcon::Night;            // Kind::DayIcon
    QString file;                             // Kind::MonsterFile: folder + code + ".KB2"
    QString name;                             // Kind::MonsterFile: the monster, for screen readers
};

// What one phase shows in the main window. Unset parts stay as they are.
struct PhaseOutcome {
    std::optional<ShownPicture> picture;   // Image1
    std::optional<DayIcon> windowIcon;     // the window's own icon
    std::optional<QString> titleLine;      // Label1
    std::optional<QString> message;        // Label2
    std::optional<QString> statusLine;     // Label3
    std::optional<QString> spoken;         // said to a screen reader after the message, never shown
    bool pauseAfter = false;               // the boss was beaten: Wait(3) follows
};

} // namespace kotebu
