#include "EnemyBook.h"

#include "Roster.h"

#include <QCoreApplication>

namespace kotebu {

namespace {

constexpr Int16 FullInformation = 5;

bool inBook(int row) { return row >= 0 && row < RosterSize; }

} // namespace

QString enemyBookName(bool secondGame, int row)
{
    if (!inBook(row))
        return {};
    return QCoreApplication::translate("Roster", roster(secondGame)[row].bookName);
}

QString enemyBookDescription(bool secondGame, int row)
{
    if (!inBook(row))
        return {};
    return QCoreApplication::translate("Roster", roster(secondGame)[row].description);
}

bool enemyViewerAllowed(const GameState &state)
{
    return state.LastPhase == Phase::Adventure && state.Information == FullInformation;
}

} // namespace kotebu
