#include "BoundingBox.h"
