#pragma once

#include "GameState.h"

#include <QString>

namespace kotebu {

constexpr int CareItemCount = 5; // heart, arm, ribbon, book, television

struct CareOutcome {
    QString message;         // empty when nothing happened
    bool hideItems = false;  // a successful action hides the tray until the next night
};

// A care item dropped on the heroine. Acts only when LastPhase is 1; any other
// item index or phase gives an empty outcome. The caller shows the message
// (clearing Label2 when it is empty) and refreshes the status line.
CareOutcome CareAction(GameState &state, int item);

} // namespace kotebu
