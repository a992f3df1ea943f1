#include "SharedMenus.h"
