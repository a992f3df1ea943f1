#include "MenuList.h"
