#include "Entity.h"
