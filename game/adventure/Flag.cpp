#include "Flag.h"
