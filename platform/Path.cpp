#include "platform/Path.h"
