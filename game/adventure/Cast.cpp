#include "Cast.h"
