// The values that the level, refresh-rate and smoothing menu items stand for.
#pragma once

#include "app/Commands.h"
#include "app/MainState.h"

namespace orvelle {

struct CommandValue {
    Command item;
    int value;
};

inline constexpr CommandValue kLevelItems[] = {
    {Command::menu2X, 2},   {Command::menu4X, 4},   {Command::menu6X, 6},   {Command::menu8X, 8},   {Command::menu10X, 10},
    {Command::menu12X, 12}, {Command::menu16X, 16}, {Command::menu24X, 24}, {Command::menu32X, 32},
};

inline constexpr CommandValue kRefreshItems[] = {
    {Command::menu20ms, 20},  {Command::menu40ms, 40},  {Command::menu01s, 100},
    {Command::menu02s, 200}, {Command::menu05s, 500}, {Command::menu1s, 1000},
};

inline constexpr struct {
    Command item;
    Smoothing smoothing;
} kSmoothingItems[] = {
    {Command::menuSimple, Smoothing::Simple},   {Command::menuLinear, Smoothing::Linear},
    {Command::menuCosine, Smoothing::Cosine},   {Command::menuBicubic, Smoothing::Bicubic},
    {Command::menuLanczos, Smoothing::Lanczos}, {Command::menuMitchell, Smoothing::Mitchell},
};

}  // namespace orvelle
