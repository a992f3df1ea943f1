#include "Inventory.h"
