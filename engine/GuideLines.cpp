#include "engine/FontFX.h"
