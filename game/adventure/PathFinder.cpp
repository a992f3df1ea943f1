#include "PathFinder.h"
