// Episode 1, "Notlandung": the scripts the whole episode shares.

#include "adventure/Script.h"
