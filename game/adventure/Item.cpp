#include "Item.h"
