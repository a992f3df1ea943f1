#pragma once

#include "GameState.h"
