#include "platform/Font.h"
