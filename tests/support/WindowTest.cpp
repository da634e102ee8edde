#include "support/WindowTest.h"
