#include "GameRuvIdMenu.h"
