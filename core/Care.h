#pragma once

#include "GameState.h"

#include <QString>

namespace kotebu {

// The care items in the tray's order; an item's number is also its picture's.
namespace CareItem {
constexpr int Heart = 0;
constexpr int Arm = 1;
constexpr int Ribbon = 2;
constexpr int Book = 3;
constexpr int Television = 4;
} // namespace CareItem

constexpr int CareItemCount = 5;

struct CareOutcome {
    QString message;         // empty when nothing happened
    bool hideItems = false;  // a successful action hides the tray until the next night
    QString refusal;         // why nothing happened, for a screen reader: the window shows no reason
};

// The item's name as a screen reader says it: the object and the attribute
// it raises. Empty for a number that is no item.
QString careItemName(int item);

// A care item dropped on the heroine. Acts only when LastPhase is the night:
// another phase gives only its refusal, a number that is no item an empty
// outcome. The caller shows the
// message (clearing Label2 when it is empty) and refreshes the status line;
// a refusal's reason is only spoken.
CareOutcome CareAction(GameState &state, int item);

} // namespace kotebu
