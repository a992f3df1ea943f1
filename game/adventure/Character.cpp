#include "Character.h"
