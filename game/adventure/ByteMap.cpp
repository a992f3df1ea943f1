#include "ByteMap.h"
