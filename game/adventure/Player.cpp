#include "Player.h"
