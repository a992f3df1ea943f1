#include "Door.h"
