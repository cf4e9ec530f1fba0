#include "platform/Exception.h"
