#pragma once

// The two days the writer child flips between while it is killed; the test
// saves the same two once itself to know the whole files they make.
#include "GameState.h"

#include <array>

inline std::array<kotebu::GameState, 2> killTestDays()
{
    std::array<kotebu::GameState, 2> days{};
    days[1].Year = 77;
    days[1].Experience = 12345;
    days[1].Stamina = -10;
    days[1].Knowledge = 5;
    days[1].Information = 4;
    days[1].Love = 3;
    days[1].Charm = 2;
    return days;
}
